#include "gui/report/TFormRaport.h"

#include "core/platform/Clock.h"
#include "core/platform/LocaleFacts.h"
#include "core/report/AssembleReportData.h"
#include "core/report/PrintReport.h"
#include "core/report/ReportVehicleFacts.h"
#include "core/units/ControlUnits.h"
#include "gui/mainwindow/TWaitForm.h"
#include "gui/platform/GuiDialogs.h"
#include "gui/report/PrinterCanvas.h"
#include "gui/report/ReportArchiver.h"
#include "gui/report/ReportPreview.h"
#include "gui/report/WholeFilePrint.h"
#include "gui/state/TabContext.h"
#include "gui/widgets/BusyCursor.h"
#include "gui/widgets/Controls.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
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

TFormRaport::TFormRaport(TabContext &context, TWaitForm &waitForm, QWidget *parent)
    : QDialog(parent), m_context(context), m_waitForm(waitForm)
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
    ButtonPreview = makeButton(GroupBox1, "ButtonPreview", tr("Podgląd"), QRect(161, 336, 75, 25));
    CheckBoxUnits =
        placed(new QCheckBox(tr("Dołącz dane sterowników"), GroupBox1), "CheckBoxUnits", QRect(246, 340, 196, 17));
    setHint(CheckBoxUnits, tr("Drukuje na drugiej stronie dane sterowników: nazwy, kalibracje, kody stałe, "
                              "napięcie akumulatora i wskaźniki wykonania monitorów."));
    // Enter in the fields moves between them, so no button is pressed by it.
    for (QPushButton *button : {ButtonPrint, Button1, ButtonPreview})
        button->setAutoDefault(false);

    const std::initializer_list<QWidget *> tabOrder{Edit1, Edit2,       Edit3,         Edit4,         Edit5,  Edit6,
                                                    Memo,  ButtonPrint, ButtonPreview, CheckBoxUnits, Button1};
    for (auto next = tabOrder.begin() + 1; next != tabOrder.end(); ++next)
        setTabOrder(*(next - 1), *next);

    // Enter in a field moves on to the next one; from the last field on to the remarks, where
    // Enter starts a new line.
    const QLineEdit *edits[] = {Edit1, Edit2, Edit3, Edit4, Edit5, Edit6};
    QWidget *next[] = {Edit2, Edit3, Edit4, Edit5, Edit6, Memo};
    for (int i = 0; i < 6; ++i) {
        QWidget *target = next[i];
        connect(edits[i], &QLineEdit::returnPressed, target, [target] { target->setFocus(Qt::OtherFocusReason); });
    }

    connect(ButtonPrint, &QPushButton::clicked, this, &TFormRaport::ButtonPrintClick);
    connect(Button1, &QPushButton::clicked, this, &TFormRaport::Button1Click);
    connect(ButtonPreview, &QPushButton::clicked, this, &TFormRaport::ButtonPreviewClick);
}

TFormRaport::~TFormRaport() = default;

QPrinter &TFormRaport::printer()
{
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        PrepareReportPrinter(*m_printer);
    }
    return *m_printer;
}

void TFormRaport::setUnitsPageDefault(bool throughAdapter)
{
    CheckBoxUnits->setChecked(throughAdapter);
}

void TFormRaport::Button1Click()
{
    reject();
}

void TFormRaport::copyTypedData()
{
    const LocaleFacts &locale = m_context.platform.locale;
    m_reportData.RegistrationNo = locale.toUpper(Edit3->text());
    m_reportData.Make = locale.toUpper(Edit1->text());
    m_reportData.EngineNo = locale.toUpper(Edit6->text());
    m_reportData.Mileage = locale.toUpper(Edit4->text());
    m_reportData.TypeModel = locale.toUpper(Edit2->text());
    m_reportData.Vin = locale.toUpper(Edit5->text());

    const AppSettings &settings = m_context.state.Settings;
    m_reportData.WorkshopName = settings.Nazwa;
    m_reportData.WorkshopAddress1 = settings.Adres1;
    m_reportData.WorkshopAddress2 = settings.Adres2;
    m_reportData.WorkshopAddress3 = settings.Adres3;
}

void TFormRaport::showWaitNotice()
{
    m_waitForm.showPainted();
    m_context.platform.clock.processEvents();
}

void TFormRaport::prepareReport()
{
    const BusyCursor busy;
    copyTypedData();
    showWaitNotice();
    const ReportVehicleFacts facts = ReadReportVehicleFacts(*m_context.state.Vehicle);
    AssembleReportData(m_reportData, facts, m_context.pidReader, m_context.platform.clock);
    m_reportData.IncludeUnits = CheckBoxUnits->isChecked();
    m_reportData.Units = {};
    if (m_reportData.IncludeUnits) {
        VehicleLink &vehicle = *m_context.state.Vehicle;
        m_reportData.Units = AssembleUnitsPage(ReadControlUnits(vehicle), vehicle.CodeOrigin(),
                                               m_context.platform.locale.decimalSeparator());
    }
    m_waitForm.close();
}

bool TFormRaport::printAndArchive(const ReportData &report, const QStringList &remarks)
{
    GuiDialogs &dialogs = m_context.platform.dialogs;
    if (!dialogs.choosePrinter(printer()))
        return false;
    switch (WholeFilePrint(printer(), [&](QPrinter &chosen) { return PrintReportOn(chosen, report, remarks); })) {
    case PrintOutcome::Printed:
        ReportArchiver::archivePrinted(m_context.platform, m_context.state.Settings, report, remarks);
        break;
    case PrintOutcome::NotStarted:
        dialogs.message(tr("Nie można rozpocząć wydruku na wybranej drukarce."), MessageIcon::Error,
                        MessageButtons::Ok);
        break;
    case PrintOutcome::NotWritten:
        dialogs.message(tr("Nie udało się zapisać całego pliku %1 - sprawdź, czy na dysku jest miejsce.")
                            .arg(printer().outputFileName()),
                        MessageIcon::Error, MessageButtons::Ok);
        break;
    }
    return true;
}

void TFormRaport::ButtonPrintClick()
{
    // The one message pump below could deliver a second click; it must not start a second print.
    if (m_printing)
        return;
    m_printing = true;

    prepareReport();
    printAndArchive(m_reportData, RemarkLines(Memo->toPlainText()));

    m_printing = false;
    accept();
}

void TFormRaport::ButtonPreviewClick()
{
    if (m_printing)
        return;
    m_printing = true;

    // The preview keeps the report it shows: printing from it prints and archives that one,
    // without assembling it again.
    prepareReport();
    ReportPreview preview(
        printer(), m_reportData, RemarkLines(Memo->toPlainText()),
        [this](const ReportData &report, const QStringList &remarks) { return printAndArchive(report, remarks); },
        this);
    preview.setObjectName(QStringLiteral("PrintPreview"));
    const bool printed = preview.exec() == QDialog::Accepted;

    m_printing = false;
    // Printed from the preview, the report is done as after "Drukuj protokół".
    if (printed)
        accept();
}
