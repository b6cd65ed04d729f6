#pragma once

#include "core/platform/Dialogs.h"

#include <QFileDialog>

#include <functional>

// Qt's directory dialog, which also takes the name of a directory that does not exist yet:
// the operator confirms its creation, the directory is made with its parents and becomes the
// choice. A directory that cannot be made is reported and the dialog closes without a choice.
class DirectoryDialog final : public QFileDialog {
    Q_OBJECT
public:
    using Ask = std::function<MessageAnswer(const QString &text, MessageIcon icon, MessageButtons buttons)>;

    DirectoryDialog(QWidget *parent, const QString &startDir, Ask ask);

    // The chosen directory once the dialog was accepted, with the system's separators.
    QString chosenDirectory() const { return m_chosen; }

    void accept() override;

private:
    void allowTypedName();
    // The directory the dialog points at: the name in its file-name edit (relative to the
    // directory shown), else the directory shown.
    QString pointedAt() const;

    Ask m_ask;
    QString m_chosen;
};
