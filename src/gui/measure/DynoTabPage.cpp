#include "gui/measure/DynoTabPage.h"

#include "gui/widgets/Anchors.h"
#include "gui/widgets/Controls.h"
#include "gui/widgets/PageGeometry.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "gui/measure/ChartStyle.h"

#include <qcustomplot.h>

#include <cstring>
#include <initializer_list>
#include <tuple>

namespace {

// Rows of the parameter boxes and the columns of a row: caption, symbol, edit, unit.
constexpr int kFirstRowTop = 22;
constexpr int kRowPitch = 25;
constexpr int kRowHeight = 21;
constexpr int kCaptionLeft = 8;
constexpr int kDimensionCaptionLeft = 24;
constexpr int kSymbolLeft = 196;
constexpr int kSymbolWidth = 20;
constexpr int kEditLeft = 220;
constexpr int kEditWidth = 60;
constexpr int kUnitLeft = 284;
constexpr int kUnitWidth = 34;

enum class RowKind {
    Typed, // a value the operator types
    Computed, // a value worked out from other rows: read-only, button-face colour
    Dimension, // an input of the computed row, indented below it
};

struct ParameterNames {
    const char *caption;
    const char *symbol; // a name beginning with "RTF" marks a rich-text symbol
    const char *edit;
    const char *unit = nullptr; // none for a dimensionless parameter
};

struct ParameterTexts {
    QString caption;
    QString symbol;
    QString unit;
    QString hint;
};

using ParameterControls = std::tuple<QLabel *, QLabel *, QLineEdit *, QLabel *>;

// A symbol or unit beside an edit; the rich-text ones draw sub- and superscripts.
QLabel *makeSymbol(QWidget *box, const char *name, const QString &text, const QRect &geometry, Qt::Alignment alignment)
{
    auto *label = placed(new QLabel(text, box), name, geometry);
    label->setTextFormat(std::strncmp(name, "RTF", 3) == 0 ? Qt::RichText : Qt::PlainText);
    label->setAlignment(alignment | Qt::AlignVCenter);
    return label;
}

// One parameter row; the caption carries the edit's hint too.
ParameterControls addParameter(QWidget *box, int row, RowKind kind, const ParameterNames &names,
                               const ParameterTexts &texts)
{
    const int top = kFirstRowTop + row * kRowPitch;
    const int captionLeft = kind == RowKind::Dimension ? kDimensionCaptionLeft : kCaptionLeft;
    auto *caption = placed(new QLabel(texts.caption, box), names.caption,
                           QRect(captionLeft, top, kSymbolLeft - captionLeft, kRowHeight));
    caption->setTextFormat(Qt::PlainText);
    setHint(caption, texts.hint);

    QLabel *symbol =
        makeSymbol(box, names.symbol, texts.symbol, QRect(kSymbolLeft, top, kSymbolWidth, kRowHeight), Qt::AlignRight);

    const QRect editGeometry(kEditLeft, top, kEditWidth, kRowHeight);
    QLineEdit *edit = kind == RowKind::Computed ? makeReadOnlyEdit(box, names.edit, editGeometry)
                                                : placed(new QLineEdit(box), names.edit, editGeometry);
    setHint(edit, texts.hint);

    QLabel *unit = names.unit == nullptr ? nullptr
                                         : makeSymbol(box, names.unit, texts.unit,
                                                      QRect(kUnitLeft, top, kUnitWidth, kRowHeight), Qt::AlignLeft);
    return {caption, symbol, edit, unit};
}

// A read-only result field on a coloured background.
QLineEdit *makeResultEdit(QWidget *box, const char *name, const QRect &geometry, const QColor &background)
{
    QLineEdit *edit = makeReadOnlyEdit(box, name, geometry);
    if (background.isValid()) {
        QPalette palette = edit->palette();
        palette.setColor(QPalette::Base, background);
        edit->setPalette(palette);
    }
    return edit;
}

QLabel *makeResultLabel(QWidget *box, const char *name, const QString &text, const QRect &geometry)
{
    auto *label = placed(new QLabel(text, box), name, geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

// Black plotting area with power and torque sharing the left axis against engine speed.
void makeDynoChart(QCustomPlot *chart, const QString &speedTitle, const QString &valueTitle)
{
    makeBlackChart(chart);
    chart->xAxis->setTicker(fixedStepTicker(250));
    chart->xAxis->setRange(0, 6000);
    chart->xAxis->setLabel(speedTitle);
    chart->yAxis->setTicker(fixedStepTicker(10));
    chart->yAxis->setRange(0, 200);
    chart->yAxis->setLabel(valueTitle);
}

} // namespace

DynoTabPage::DynoTabPage(QWidget *parent) : QWidget(parent)
{
    resize(kPageDesignSize);

    GroupBox4 = makeGroupBox(this, "GroupBox4", tr("  Hamownia  "), QRect(5, 10, 772, 479));
    ChartDyno = placed(new QCustomPlot(GroupBox4), "ChartDyno", QRect(8, 20, 408, 336));
    makeDynoChart(ChartDyno, tr("RPM"), tr("kW / Nm"));
    // Repainted at every sample of a run: plain lines keep that cheap.
    ChartDyno->setNotAntialiasedElements(QCP::aeAll);
    ChartDyno->setPlottingHints(QCP::phFastPolylines | QCP::phCacheLabels);

    GroupBox8 = makeGroupBox(GroupBox4, "GroupBox8", tr("  Wyniki  "), QRect(8, 362, 408, 109));
    GroupBox8->setFont(pixelFont(GroupBox8, 19, false));
    const QColor torqueColour(0x00, 0xFF, 0x00);
    const QColor powerColour(0xFF, 0x00, 0x00);
    LabelDynoMoment = makeResultLabel(GroupBox8, "LabelDynoMoment", tr("Moment:"), QRect(10, 30, 86, 28));
    EditDyno_Moment = makeResultEdit(GroupBox8, "EditDyno_Moment", QRect(98, 30, 58, 28), torqueColour);
    LabelDynoMomentAt = makeResultLabel(GroupBox8, "LabelDynoMomentAt", tr("Nm przy"), QRect(160, 30, 80, 28));
    EditDyno_Moment_RPM = makeResultEdit(GroupBox8, "EditDyno_Moment_RPM", QRect(242, 30, 58, 28), QColor());
    LabelDynoMomentRpmUnit =
        makeResultLabel(GroupBox8, "LabelDynoMomentRpmUnit", tr("obr/min"), QRect(304, 30, 94, 28));
    LabelDynoMoc = makeResultLabel(GroupBox8, "LabelDynoMoc", tr("Moc: "), QRect(10, 68, 86, 28));
    EditDyno_Moc = makeResultEdit(GroupBox8, "EditDyno_Moc", QRect(98, 68, 58, 28), powerColour);
    LabelDynoMocAt = makeResultLabel(GroupBox8, "LabelDynoMocAt", tr("kW przy"), QRect(160, 68, 80, 28));
    EditDyno_Moc_RPM = makeResultEdit(GroupBox8, "EditDyno_Moc_RPM", QRect(242, 68, 58, 28), QColor());
    LabelDynoMocRpmUnit = makeResultLabel(GroupBox8, "LabelDynoMocRpmUnit", tr("obr/min"), QRect(304, 68, 94, 28));

    GroupBox5 = makeGroupBox(GroupBox4, "GroupBox5", tr("  Parametry  "), QRect(424, 14, 340, 457));

    GroupBox6 = makeGroupBox(GroupBox5, "GroupBox6", tr("  Parametry podstawowe  "), QRect(8, 20, 324, 228));
    std::tie(LabelDyno_G, LabelSymbolG, EditDyno_G, LabelUnitG) =
        addParameter(GroupBox6, 0, RowKind::Typed, {"LabelDyno_G", "LabelSymbolG", "EditDyno_G", "LabelUnitG"},
                     {tr("Masa pojazdu:"), tr("G"), tr("kg"),
                      tr("Całkowita masa pojazdu podczas pomiaru łącznie z kierowcą")});
    std::tie(LabelDyno_i_epsilon, RTFLabelIEpsilon, EditDyno_i_epsilon, std::ignore) =
        addParameter(GroupBox6, 1, RowKind::Typed, {"LabelDyno_i_epsilon", "RTFLabelIEpsilon", "EditDyno_i_epsilon"},
                     {tr("Przełożenie całkowite:"), tr("i<sub>ε</sub>"), QString(),
                      tr("Całkowite przełożenie przekładni głównej oraz biegu na którym będzie "
                         "przeoprowadzany pomiar")});
    std::tie(LabelDyno_Cx, RTFLabelCx, EditDyno_Cx, std::ignore) =
        addParameter(GroupBox6, 2, RowKind::Typed, {"LabelDyno_Cx", "RTFLabelCx", "EditDyno_Cx"},
                     {tr("Współczynnik oporu:"), tr("C<sub>x</sub>"), QString(),
                      tr("Współczynnik doskonałości aerodynamicznej")});
    std::tie(LabelDyno_r_stat, RTFLabelRStat, EditDyno_r_stat, LabelUnitRStat) =
        addParameter(GroupBox6, 3, RowKind::Typed,
                     {"LabelDyno_r_stat", "RTFLabelRStat", "EditDyno_r_stat", "LabelUnitRStat"},
                     {tr("Promień statyczny koła"), tr("r<sub>stat</sub>"), tr("mm"),
                      tr("Promień statyczny koła - odległość środka koła od poziomu jezdni")});
    std::tie(LabelDyno_F, LabelSymbolF, EditDyno_F, RTFLabelM2) =
        addParameter(GroupBox6, 4, RowKind::Computed, {"LabelDyno_F", "LabelSymbolF", "EditDyno_F", "RTFLabelM2"},
                     {tr("Powierzchnia czołowa:"), tr("F"), tr("m<sup>2</sup>"), tr("Powierzchnia czołowa pojazdu")});
    std::tie(LabelDyno_B, LabelSymbolB, EditDyno_B, LabelUnitB) =
        addParameter(GroupBox6, 5, RowKind::Dimension, {"LabelDyno_B", "LabelSymbolB", "EditDyno_B", "LabelUnitB"},
                     {tr("Szerokość"), tr("B"), tr("mm"), tr("Szerokość pojazdu")});
    std::tie(LabelDyno_H, LabelSymbolH, EditDyno_H, LabelUnitH) =
        addParameter(GroupBox6, 6, RowKind::Dimension, {"LabelDyno_H", "LabelSymbolH", "EditDyno_H", "LabelUnitH"},
                     {tr("Wysokość"), tr("H"), tr("mm"), tr("Wysokość pojazdu")});
    std::tie(LabelDyno_h1, LabelSymbolH1, EditDyno_h1, LabelUnitH1) =
        addParameter(GroupBox6, 7, RowKind::Dimension, {"LabelDyno_h1", "LabelSymbolH1", "EditDyno_h1", "LabelUnitH1"},
                     {tr("Prześwit"), tr("h"), tr("mm"), tr("Prześwit pojazdu")});

    GroupBox7 = makeGroupBox(GroupBox5, "GroupBox7", tr("  Parametry zaawansowane  "), QRect(8, 254, 324, 100));
    std::tie(LabelDyno_f1, LabelSymbolF1, EditDyno_f1, std::ignore) =
        addParameter(GroupBox7, 0, RowKind::Typed, {"LabelDyno_f1", "LabelSymbolF1", "EditDyno_f1"},
                     {tr("Wsp. oporów toczenia:"), tr("f"), QString(), tr("Współczynnik oporów toczenia")});
    std::tie(LabelDyno_eta, RTFLabelEtaM, EditDyno_eta, std::ignore) =
        addParameter(GroupBox7, 1, RowKind::Typed, {"LabelDyno_eta", "RTFLabelEtaM", "EditDyno_eta"},
                     {tr("Sprawność mechaniczna:"), tr("η<sub>m</sub>"), QString(), tr("Sprawność mechaniczna")});
    std::tie(LabelDyno_delta, RTFLabelDelta, EditDyno_delta, std::ignore) =
        addParameter(GroupBox7, 2, RowKind::Typed, {"LabelDyno_delta", "RTFLabelDelta", "EditDyno_delta"},
                     {tr("Wsp. momentu bezwł. mas obr."), tr("δ"), QString(),
                      tr("Współczynnik momentu bezwładności mas obrotowych")});

    ButtonDynoReset =
        makeButton(GroupBox5, "ButtonDynoReset", tr("Przywróć wartości domyślne"), QRect(8, 362, 324, 27));
    LabelRPM = placed(new QLabel(GroupBox5), "LabelRPM", QRect(8, 357, 156, 38));
    LabelRPM->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    LabelRPMCap = placed(new QLabel(tr("obr/min"), GroupBox5), "LabelRPMCap", QRect(172, 357, 160, 38));
    LabelRPMCap->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (QLabel *label : {LabelRPM, LabelRPMCap}) {
        label->setFont(pixelFont(label, 32, false));
        label->hide();
    }
    ButtonStartDyno = makeButton(GroupBox5, "ButtonStartDyno", tr("Rozpocznij pomiar"), QRect(8, 398, 324, 51));
    ButtonStartDyno->setFont(pixelFont(ButtonStartDyno, 19, true));

    // The frontal area comes last among the basic parameters: it follows from the width, height and
    // clearance below it.
    const std::initializer_list<QWidget *> tabOrder{EditDyno_G,     EditDyno_i_epsilon, EditDyno_Cx,    EditDyno_r_stat,
                                                    EditDyno_B,     EditDyno_H,         EditDyno_h1,    EditDyno_F,
                                                    EditDyno_f1,    EditDyno_eta,       EditDyno_delta, ButtonDynoReset,
                                                    ButtonStartDyno};
    for (auto next = tabOrder.begin() + 1; next != tabOrder.end(); ++next)
        setTabOrder(*(next - 1), *next);

    anchor(GroupBox4, Qt::LeftEdge | Qt::TopEdge | Qt::RightEdge | Qt::BottomEdge);
    anchor(ChartDyno, Qt::LeftEdge | Qt::TopEdge | Qt::RightEdge | Qt::BottomEdge);
    anchor(GroupBox8, Qt::LeftEdge | Qt::BottomEdge);
    anchor(GroupBox5, Qt::TopEdge | Qt::RightEdge | Qt::BottomEdge);
    for (QWidget *control : std::initializer_list<QWidget *>{ButtonDynoReset, LabelRPM, LabelRPMCap, ButtonStartDyno})
        anchor(control, Qt::LeftEdge | Qt::BottomEdge);
}
