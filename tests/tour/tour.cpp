// A new operator's first session, played on the real windows: each
// calculator gets the facts of a worked example, is calculated, pictured and
// printed. Writes WINDOW.png (the filled window) and WINDOW.pdf (its printed
// report) into the folder given, for the README and for reading by eye.
//   tour OUTPUT-FOLDER

#include <QApplication>
#include <QDir>
#include <QPrinter>
#include <QTest>
#include <cstdio>

#include "app/windowfactory.h"
#include "shell/ui/look.h"
#include "shell/ui/reportrenderer.h"
#include "shell/ui/windowmanager.h"
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
    std::optional<int> choosePrinter(QWidget*) override { return 1; }
    bool print(const report::Document& document) override {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(folder_.filePath(name + ".pdf"));
        return ui::renderReport(document, printer);
    }

private:
    QDir folder_;
};

struct Step {
    const char* field;  // nullptr: press the button named in `text`
    const char* text;
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: tour OUTPUT-FOLDER\n");
        return 2;
    }
    ui::installFontSubstitutes();
    QDir folder(QString::fromLocal8Bit(argv[1]));
    folder.mkpath(QStringLiteral("."));
    PdfDialogs dialogs(folder);
    ui::WindowManager windows(app::createWindow, dialogs, SystemNow, [] {});

    struct Visit {
        WindowId window;
        const char* print;
        std::vector<Step> steps;
    };
    const std::vector<Visit> visits = {
        {WindowId::CalculationForm,
         "cmdPrint",
         {{"txtBeginningDate", "010104"},
          {"txtEndingDate", "12/31/2004"},
          {"txtRate", "500"},
          {"txtPaymentDate", "06/30/2005"},
          {"txtPaymentAmount", "1000"},
          {"txtCaseCaption", "Smith v. Acme Mills, claim 04-1187"},
          {nullptr, "cmdCalculate"},
          {nullptr, "cmdSave"},
          {nullptr, "cmdNextEntry"},
          {"txtEndingDate", "01/28/2005"},
          {"txtRate", "500"},
          {"txtPaymentDate", "12/31/2005"},
          {"txtPaymentAmount", ""},
          {nullptr, "cmdCalculate"},
          {nullptr, "cmdSave"}}},
        {WindowId::frmPresentValue,
         "cmdPVPrint",
         {{"txtFromDate", "01012005"},
          {"txtAge", "45"},
          {"txtGender", "m"},
          {"txtRate", "500"},
          {"txtCaseCaption", "Smith v. Acme Mills"},
          {nullptr, "cmdPVCalculate"}}},
        {WindowId::frmSocialSecurity,
         "cmdSSPrint",
         {{"txtSocialSecurity", "1000"},
          {"txtRate", "500"},
          {"txtCaseCaption", "Smith v. Acme Mills"},
          {nullptr, "cmdSSCalculate"}}},
        {WindowId::FrmPension,
         "cmdSSPrint",
         {{"txtMonthlyPension", "1200"},
          {"txtEmployerPercent", "60"},
          {"txtRate", "500"},
          {"txtCaseCaption", "Smith v. Acme Mills"},
          {nullptr, "cmdSSCalculate"}}},
        {WindowId::frmOffset,
         "cmdCommPrint",
         {{"txtBeginningDate", "010504"},
          {"txtRate", "400"},
          {"txtNetOffsetAmount", "5,000.00"},
          {"txtCaseCaption", "Smith v. Acme Mills"},
          {nullptr, "cmdCommCalculate"}}},
        {WindowId::frmCommutation,
         "cmdCommPrint",
         {{"txtBeginningDate", "01052004"},
          {"txtCommWeeks", "104"},
          {"txtCommAmount", "$52,000"},
          {"txtCaseCaption", "Smith v. Acme Mills"},
          {nullptr, "cmdCommCalculate"}}},
        {WindowId::frmSubrogation,
         "cmdSSPrint",
         {{"txtTotalRecovery", "100000"},
          {"txtCostsAndFees", "40000"},
          {"txtRate", "450"},
          {"txtLienAmount", "30000"},
          {"txtCaseCaption", "Smith v. Acme Mills"},
          {nullptr, "cmdSSCalculate"}}},
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
            if (step.field == nullptr) {
                click(w, step.text);
            } else {
                type(w, step.field, QString::fromUtf8(step.text));
                // Leave the field as the operator would, with Tab.
                if (qobject_cast<QLineEdit*>(control(w, step.field)) != nullptr) {
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
