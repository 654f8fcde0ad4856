// A new operator's first session, played on the real windows: each
// calculator gets the facts of a worked example, is calculated, pictured and
// printed. Writes WINDOW.png (the filled window) and WINDOW.pdf (its printed
// report) into the folder given, for the README and for reading by eye.
//   tour OUTPUT-FOLDER

#include <QApplication>
#include <QDir>
#include <QPrinter>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

#include "app/program.h"
#include "commutation/frmcommutationcontrols.h"
#include "interest/calculationformcontrols.h"
#include "offsets/frmoffsetcontrols.h"
#include "offsets/frmpensioncontrols.h"
#include "offsets/frmsocialsecuritycontrols.h"
#include "presentvalue/frmpresentvaluecontrols.h"
#include "shell/ui/look.h"
#include "shell/ui/printsetup.h"
#include "shell/ui/windowmanager.h"
#include "subrogation/frmsubrogationcontrols.h"
#include "tests/support/windowtest.h"

using namespace corvell;
using namespace corvell::test;

namespace {

// Prints every report to WINDOW.pdf and reports messages on the console.
class PdfDialogs final : public ui::Dialogs {
public:
    explicit PdfDialogs(QDir folder) : folder_(std::move(folder)) {}
    QString name;

    void showMessage(QWidget*, const QString& text, const QString& title) override {
        std::printf("message [%s]: %s\n", qPrintable(title), qPrintable(text));
    }
    bool askYesNo(QWidget*, const QString& text, const QString&) override {
        std::printf("question: %s (No)\n", qPrintable(text));
        return false;
    }
    int askChoice(QWidget*, const QString& text, const QStringList& buttons) override {
        std::printf("question: %s (%s)\n", qPrintable(text), qPrintable(buttons.back()));
        return int(buttons.size()) - 1;
    }
    ui::SaveChanges askToSaveChanges(QWidget*, const QString& question) override {
        std::printf("question: %s\n", qPrintable(question));
        return ui::SaveChanges::Discard;
    }
    std::optional<int> choosePrinter(QWidget*, const ui::PrintRequest&) override { return 1; }
    PrintOutcome print(WindowId, const report::Document& document, int copies) override {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(folder_.filePath(name + ".pdf"));
        ui::preparePrinter(printer);
        return ui::printCopies(document, printer, copies) ? PrintOutcome{} : PrintOutcome::failed();
    }
    std::optional<PrintOutcome> showPreview(QWidget*, const ui::PrintRequest&,
                                            const ui::ReportPainter&) override {
        return std::nullopt;
    }
    std::optional<QString> chooseSaveFile(QWidget*, WindowId, const QString&, const QString&,
                                          const QString&) override {
        return std::nullopt;
    }
    std::optional<QString> chooseFile(QWidget*, ui::FileAction, const QString&, const QString&,
                                      const QString&) override {
        return std::nullopt;
    }
    QPageLayout pageLayout(WindowId) override {
        QPrinter printer(QPrinter::HighResolution);
        ui::preparePrinter(printer);
        return printer.pageLayout();
    }

private:
    QDir folder_;
};

// Types `text` into the field, or presses the button when there is no text.
struct Step {
    ControlName control;
    const char* text = nullptr;
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: tour OUTPUT-FOLDER\n");
        return 2;
    }
    ui::installLook();
    QDir folder(QString::fromLocal8Bit(argv[1]));
    folder.mkpath(QStringLiteral("."));
    PdfDialogs dialogs(folder);
    QTemporaryDir settingsFolder;  // no recent claims kept from a tour
    QSettings settings(settingsFolder.filePath(QStringLiteral("settings.conf")),
                       QSettings::IniFormat);
    app::Program program(dialogs, settings, systemNow, [] {});
    ui::WindowManager& windows = program.windows;

    struct Visit {
        WindowId window;
        ControlName print;
        std::vector<Step> steps;
    };
    const std::vector<Visit> visits = {
        {WindowId::CalculationForm,
         calculationform::cmdPrint,
         {{calculationform::txtBeginningDate, "010104"},
          {calculationform::txtEndingDate, "12/31/2004"},
          {calculationform::txtRate, "500"},
          {calculationform::txtPaymentDate, "06/30/2005"},
          {calculationform::txtPaymentAmount, "1000"},
          {calculationform::txtCaseCaption, "Smith v. Acme Mills, claim 04-1187"},
          {calculationform::cmdCalculate},
          {calculationform::cmdSave},
          {calculationform::cmdNextEntry},
          {calculationform::txtEndingDate, "01/28/2005"},
          {calculationform::txtRate, "500"},
          {calculationform::txtPaymentDate, "12/31/2005"},
          {calculationform::txtPaymentAmount, ""},
          {calculationform::cmdCalculate},
          {calculationform::cmdSave}}},
        {WindowId::frmPresentValue,
         frmpresentvalue::cmdPVPrint,
         {{frmpresentvalue::txtFromDate, "01012005"},
          {frmpresentvalue::txtAge, "45"},
          {frmpresentvalue::txtGender, "m"},
          {frmpresentvalue::txtRate, "500"},
          {frmpresentvalue::txtCaseCaption, "Smith v. Acme Mills"},
          {frmpresentvalue::cmdPVCalculate}}},
        {WindowId::frmSocialSecurity,
         frmsocialsecurity::cmdSSPrint,
         {{frmsocialsecurity::txtSocialSecurity, "1000"},
          {frmsocialsecurity::txtRate, "500"},
          {frmsocialsecurity::txtCaseCaption, "Smith v. Acme Mills"},
          {frmsocialsecurity::cmdSSCalculate}}},
        {WindowId::FrmPension,
         frmpension::cmdSSPrint,
         {{frmpension::txtMonthlyPension, "1200"},
          {frmpension::txtEmployerPercent, "60"},
          {frmpension::txtRate, "500"},
          {frmpension::txtCaseCaption, "Smith v. Acme Mills"},
          {frmpension::cmdSSCalculate}}},
        {WindowId::frmOffset,
         frmoffset::cmdCommPrint,
         {{frmoffset::txtBeginningDate, "010504"},
          {frmoffset::txtRate, "400"},
          {frmoffset::txtNetOffsetAmount, "5,000.00"},
          {frmoffset::txtCaseCaption, "Smith v. Acme Mills"},
          {frmoffset::cmdCommCalculate}}},
        {WindowId::frmCommutation,
         frmcommutation::cmdCommPrint,
         {{frmcommutation::txtBeginningDate, "01052004"},
          {frmcommutation::txtCommWeeks, "104"},
          {frmcommutation::txtCommAmount, "$52,000"},
          {frmcommutation::txtCaseCaption, "Smith v. Acme Mills"},
          {frmcommutation::cmdCommCalculate}}},
        {WindowId::frmSubrogation,
         frmsubrogation::cmdSSPrint,
         {{frmsubrogation::txtTotalRecovery, "100000"},
          {frmsubrogation::txtCostsAndFees, "40000"},
          {frmsubrogation::txtRate, "450"},
          {frmsubrogation::txtLienAmount, "30000"},
          {frmsubrogation::txtCaseCaption, "Smith v. Acme Mills"},
          {frmsubrogation::cmdSSCalculate}}},
    };

    windows.show(WindowId::BeginForm);
    for (const Visit& visit : visits) {
        windows.show(visit.window);
        QWidget& w = *windows.window(visit.window);
        QApplication::setActiveWindow(&w);
        if (!QTest::qWaitForWindowActive(&w)) {
            std::fprintf(stderr, "%s did not become active\n", qPrintable(w.objectName()));
        }
        const QString name = w.objectName();
        for (const Step& step : visit.steps) {
            if (step.text == nullptr) {
                click(w, step.control);
            } else {
                type(w, step.control, QString::fromUtf8(step.text));
                // Leave the field as the operator would, with Tab.
                if (qobject_cast<QLineEdit*>(control(w, step.control)) != nullptr) {
                    QTest::keyClick(focused(), Qt::Key_Tab);
                }
            }
        }
        QTest::qWait(50);
        w.grab().save(folder.filePath(name + ".png"));
        dialogs.name = name;
        click(w, visit.print);
        std::printf("%s: %s.png, %s.pdf\n", qPrintable(name), qPrintable(name), qPrintable(name));
    }
    windows.window(WindowId::BeginForm)
        ->grab()
        .save(folder.filePath(QStringLiteral("BeginForm.png")));
    return 0;
}
