#pragma once

#include "core/measure/DynoParameters.h"

#include <QObject>

#include <array>

#include <memory>
#include <optional>

class ChartSeries;
class DynoTabPage;
class QLineEdit;
struct TabContext;

// The behaviour of the "Hamownia" tab: the vehicle parameters with their defaults and the
// frontal area worked out from the body size, and the run that samples the engine speed inside
// the start button's handler, drawing power and torque and marking their maxima.
class DynoTab final : public QObject {
    Q_OBJECT
public:
    DynoTab(TabContext &context, DynoTabPage &page);
    ~DynoTab() override;

    void EditDyno_FChange();
    void ButtonDynoResetClick();
    void SetDynoDefaults();
    void ButtonStartDynoClick();
    void ResetDynoTab();

    // The eight parameters of a run, or nothing after telling the operator what is wrong.
    std::optional<DynoParameters> validateParameters();

    // The series of ChartDyno, in their order on it: power and its maximum, torque and its maximum.
    std::unique_ptr<ChartSeries> DynoPowerLine;
    std::unique_ptr<ChartSeries> DynoPowerPeak;
    std::unique_ptr<ChartSeries> DynoTorqueLine;
    std::unique_ptr<ChartSeries> DynoTorquePeak;

private:
    void run(const DynoParameters &parameters);
    void cancel();
    void setParameterFieldsEnabled(bool enabled);
    void showRunDisplay(bool running);
    void clearResults();
    void clearSeries();
    void repaint();
    QString general(double value) const;
    std::array<ChartSeries *, 4> allSeries() const;

    TabContext &m_context;
    DynoTabPage &m_page;
};
