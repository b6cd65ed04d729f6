#include "gui/widgets/Anchors.h"

#include <QEvent>
#include <QPointer>
#include <QWidget>

#include <vector>

namespace {

struct Anchored {
    QPointer<QWidget> widget;
    Qt::Edges edges;
    QRect design; // the child's geometry at anchoring
    QSize parentSize; // the parent's size at anchoring
};

// One per parent: follows the parent's resizes and moves its anchored children.
class AnchorKeeper final : public QObject {
public:
    explicit AnchorKeeper(QWidget *parent) : QObject(parent) { parent->installEventFilter(this); }

    void add(QWidget *child, Qt::Edges edges)
    {
        m_children.push_back({child, edges, child->geometry(), parentWidget()->size()});
        place(m_children.back(), parentWidget()->size());
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == parent() && event->type() == QEvent::Resize)
            for (const Anchored &child : m_children)
                place(child, parentWidget()->size());
        return false;
    }

private:
    QWidget *parentWidget() const { return static_cast<QWidget *>(parent()); }

    static void place(const Anchored &child, QSize size)
    {
        if (child.widget.isNull())
            return;
        const int dw = size.width() - child.parentSize.width();
        const int dh = size.height() - child.parentSize.height();
        QRect r = child.design;
        if (child.edges.testFlag(Qt::RightEdge)) {
            if (child.edges.testFlag(Qt::LeftEdge))
                r.setWidth(std::max(0, r.width() + dw));
            else
                r.moveLeft(r.left() + dw);
        }
        if (child.edges.testFlag(Qt::BottomEdge)) {
            if (child.edges.testFlag(Qt::TopEdge))
                r.setHeight(std::max(0, r.height() + dh));
            else
                r.moveTop(r.top() + dh);
        }
        child.widget->setGeometry(r);
    }

    std::vector<Anchored> m_children;
};

} // namespace

void anchor(QWidget *child, Qt::Edges edges)
{
    QWidget *parent = child->parentWidget();
    if (parent == nullptr)
        return;
    AnchorKeeper *keeper = nullptr;
    for (QObject *object : parent->children())
        if ((keeper = dynamic_cast<AnchorKeeper *>(object)) != nullptr)
            break;
    if (keeper == nullptr)
        keeper = new AnchorKeeper(parent);
    keeper->add(child, edges);
}
