#include <QTest>

#include "shell/reportfilename.h"
#include "tests/support/rows.h"

using namespace corvell;
using namespace corvell::test;

class TestReportFileName : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The title, the caption's first line and the day, joined by " - ";
    // what a file name cannot hold is left out.
    void names_data() {
        columns<QString, QString, QString>({"title", "caption", "name"});
        const QString interest = "Interest Calculation";
        row("caption", interest, "Smith v. Acme Mills",
            "Interest Calculation - Smith v. Acme Mills - 2026-12-08.pdf");
        row("no caption", interest, "", "Interest Calculation - 2026-12-08.pdf");
        row("first line only", interest, "  Smith v. Acme Mills  \r\nClaim 04-1187\nJudge Doe",
            "Interest Calculation - Smith v. Acme Mills - 2026-12-08.pdf");
        row("characters a name cannot hold", interest, "A/B \\ C: *D?* \"E\" <F> |G|\tH\x7f",
            "Interest Calculation - AB  C D E F GH - 2026-12-08.pdf");
        row("nothing left of the caption", interest, " /:*?\"<>| \nSmith",
            "Interest Calculation - 2026-12-08.pdf");
        row("first line empty", "CALCULATION OF COMMUTATION", "\nSmith",
            "CALCULATION OF COMMUTATION - 2026-12-08.pdf");
        row("letters beyond ASCII kept", "Subrogation Calculation",
            QString::fromUtf8("Müller v. Señor Café"),
            QString::fromUtf8("Subrogation Calculation - Müller v. Señor Café - 2026-12-08.pdf"));
        // 119 bytes of 'x', then a two-byte letter that would end past byte 120.
        row("long caption cut between letters", interest,
            QString(119, 'x') + QString::fromUtf8("é and more"),
            "Interest Calculation - " + QString(119, 'x') + " - 2026-12-08.pdf");
    }
    void names() {
        QFETCH(QString, title);
        QFETCH(QString, caption);
        const std::string made =
            reportFileName(title.toStdString(), caption.toStdString(), LocalTime{2026, 12, 8, 9});
        QTEST(QString::fromStdString(made), "name");
    }
};

QTEST_APPLESS_MAIN(TestReportFileName)
#include "test_reportfilename.moc"
