// What the operator is told once a report went to a printer's queue, from
// what the print system says of the queue and of the job.
#include <QTest>

#include "shell/printoutcome.h"
#include "tests/support/rows.h"

using namespace corvell;
using namespace corvell::test;

class TestPrintOutcome : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // A queue that takes no jobs gets none, in its own words when it has
    // any; a job the print system answered with an error is refused in its
    // words, without a second period; a paused queue keeps the job.
    void messages_data() {
        // sendError: the print system's answer to the job, when it is sent
        columns<bool, bool, QString, QString, bool, QString>(
            {"accepting", "paused", "stateMessage", "sendError", "sent", "message"});
        row("printed", true, false, "", "", true, "");
        row("queue rejecting jobs", false, false, "Rejecting Jobs", "", false,
            "The printer did not accept the report: Rejecting Jobs.");
        row("rejecting, in no words", false, false, " ", "", false,
            "The printer did not accept the report: the printer Office is not accepting jobs.");
        row("rejecting and paused", false, true, "Out of toner.", "", false,
            "The printer did not accept the report: Out of toner.");
        row("job refused once sent", true, false, "", "Destination \"Office\" is gone.\n", true,
            "The printer did not accept the report: Destination \"Office\" is gone.");
        row("refused on a paused queue", true, true, "Paused", "Forbidden", true,
            "The printer did not accept the report: Forbidden.");
        row("refused in no words", true, false, "", "..", true,
            "The printer did not accept the report: the print system gave no reason.");
        row("paused", true, true, "Paused", "", true,
            "The report is waiting: the printer Office is paused.");
    }
    void messages() {
        QFETCH(bool, accepting);
        QFETCH(bool, paused);
        QFETCH(QString, stateMessage);
        QFETCH(QString, sendError);
        const PrintQueue queue{"Office", accepting, paused, stateMessage.toStdString()};
        const std::optional<PrintOutcome> refusal = refusalBeforeSending(queue);
        QTEST(!refusal.has_value(), "sent");
        const PrintOutcome outcome =
            refusal ? *refusal : outcomeOnceSent(queue, sendError.toStdString());
        QTEST(QString::fromStdString(printOutcomeMessage(outcome).value_or("")), "message");
    }
};

QTEST_APPLESS_MAIN(TestPrintOutcome)
#include "test_printoutcome.moc"
