#include "gui/mainwindow/Workstation.h"

#include "core/vehicle/VehicleLink.h"

#include <QEvent>
#include <QTimer>
#include <QtGlobal>

#include <functional>

// The pictures are compiled into the windows' library; a static library must register them
// (outside any namespace, as Qt's resource registration requires).
static void registerPictures()
{
    Q_INIT_RESOURCE(korvath);
}

namespace {

// Runs then once the window it watches has been painted for the first time, when the event
// loop comes back from painting, and goes.
class AfterFirstPaint final : public QObject {
public:
    AfterFirstPaint(QWidget &window, std::function<void()> then) : QObject(&window), m_then(std::move(then))
    {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, watched, m_then);
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> m_then;
};

} // namespace

Workstation::Workstation(Platform &platform, std::unique_ptr<VehicleLink> vehicle, Start start)
    : m_pictures((registerPictures(), true)), m_main(std::make_unique<TMainForm>(platform, std::move(vehicle)))
{
    if (start == Start::Whole)
        m_main->buildAllParts();
    else
        new AfterFirstPaint(*m_main, [this] { m_main->buildAllParts(); });
}

Workstation::~Workstation() = default;
