#include "gui/report/TFormRaport.h"

#include "gui/widgets/Controls.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <initializer_list>

namespace {

constexpr QSize kClientSize{562, 428};
constexpr int kFieldHeight = 21;

// A vehicle-data field with its caption on the left, both starting at the row's top.
QLineEdit *addField(QWidget *box, const char *labelName, QLabel *&label, const QString &caption, const char *editName,
                    int top, int width)
{
    label = placed(new QLabel(caption, box), labelName, QRect(16, top, 92, kFieldHeight));
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    auto *edit = placed(new QLineEdit(box), editName, QRect(112, top, width, kFieldHeight));
    return edit;
}

} // namespace

TFormRaport::TFormRaport(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(tr("Wydruk protokołu komputerowej diagnostyki pojazdu"));
    setFont(pixelFont(this, 11, false));
    setFixedSize(kClientSize);

    GroupBox1 = makeGroupBox(this, "GroupBox1", QString(), QRect(8, 8, 537, 377));

    GroupBox2 = makeGroupBox(GroupBox1, "GroupBox2", tr("  Dane pojazdu  "), QRect(16, 16, 505, 185));
    Edit1 = addField(GroupBox2, "Label2", Label2, tr("Marka:"), "Edit1", 24, 121);
    Edit2 = addField(GroupBox2, "Label4", Label4, tr("Typ i model:"), "Edit2", 48, 377);
    Edit3 = addField(GroupBox2, "Label1", Label1, tr("Nr rejestracyjny:"), "Edit3", 72, 121);
    Edit4 = addField(GroupBox2, "Label5", Label5, tr("Przebieg:"), "Edit4", 96, 121);
    Edit5 = addField(GroupBox2, "Label6", Label6, tr("VIN:"), "Edit5", 120, 201);
    Edit6 = addField(GroupBox2, "Label3", Label3, tr("Numer silnika:"), "Edit6", 144, 201);

    GroupBox3 = makeGroupBox(GroupBox1, "GroupBox3", tr("  Uwagi  "), QRect(16, 216, 505, 105));
    Memo = placed(new QPlainTextEdit(GroupBox3), "Memo", QRect(16, 24, 473, 65));
    Memo->setTabChangesFocus(true);

    ButtonPrint = makeButton(GroupBox1, "ButtonPrint", tr("Drukuj protokół"), QRect(14, 336, 139, 25));
    Button1 = makeButton(GroupBox1, "Button1", tr("Anuluj"), QRect(448, 336, 75, 25));
    // Enter in the fields moves between them, so no button is pressed by it.
    for (QPushButton *button : {ButtonPrint, Button1})
        button->setAutoDefault(false);

    const std::initializer_list<QWidget *> tabOrder{Edit1, Edit2, Edit3, Edit4, Edit5, Edit6, Memo, ButtonPrint,
                                                    Button1};
    for (auto next = tabOrder.begin() + 1; next != tabOrder.end(); ++next)
        setTabOrder(*(next - 1), *next);

    connect(Button1, &QPushButton::clicked, this, &QDialog::reject);
}
