#include "shell/ui/worksheetwindow.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFontMetricsF>
#include <QPointer>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>

#include "shell/formmodel.h"
#include "shell/ui/formbinder.h"
#include "shell/ui/look.h"

namespace corvell::ui {
namespace {

QString worksheetText(const FormModel& model) {
    const std::optional<Worksheet> sheet = model.worksheet();
    if (!sheet) {
        return {};
    }
    QString text;
    for (const std::string& line : sheet->textLines()) {
        text += QString::fromStdString(line) + QLatin1Char('\n');
    }
    return text;
}

// Each indented line hangs: its first line starts with its blanks as typed
// (and copied), and the lines it wraps onto start under its first character.
void hangIndentedLines(QTextEdit& edit) {
    const double blank = QFontMetricsF(edit.font()).horizontalAdvance(QLatin1Char(' '));
    QTextCursor cursor(edit.document());
    cursor.beginEditBlock();
    for (QTextBlock block = edit.document()->begin(); block.isValid(); block = block.next()) {
        const QString line = block.text();
        qsizetype blanks = 0;
        while (blanks < line.size() && line[blanks] == QLatin1Char(' ')) {
            ++blanks;
        }
        if (blanks == 0 || blanks == line.size()) {
            continue;
        }
        QTextBlockFormat format = block.blockFormat();
        format.setLeftMargin(static_cast<double>(blanks) * blank);
        format.setTextIndent(-static_cast<double>(blanks) * blank);
        cursor.setPosition(block.position());
        cursor.setBlockFormat(format);
    }
    cursor.endEditBlock();
}

}  // namespace

WorksheetWindow::WorksheetWindow(QWidget& owner, FormBinder& binder)
    : QDialog(&owner), model_(binder.model()), text_(new QTextEdit(this)) {
    setObjectName(QStringLiteral("WorksheetWindow"));
    setWindowTitle(QStringLiteral("How Was This Calculated? - ") + owner.windowTitle());
    setModal(false);
    text_->setObjectName(QStringLiteral("txtWorksheet"));
    text_->setReadOnly(true);
    text_->setAcceptRichText(false);
    text_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    text_->setFont(makeFont(QStringLiteral("Courier New"), 10, false));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* copy =
        buttons->addButton(QStringLiteral("&Copy All"), QDialogButtonBox::ActionRole);
    copy->setObjectName(QStringLiteral("cmdCopyWorksheet"));
    connect(copy, &QPushButton::clicked, this,
            [this] { QApplication::clipboard()->setText(text_->toPlainText()); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::hide);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addWidget(buttons);
    resize(760, 560);

    // Every command on the calculator window may change what it shows.
    binder.onPushed([window = QPointer<WorksheetWindow>(this)] {
        if (window && window->isVisible()) {
            window->refresh();
        }
    });
}

void WorksheetWindow::refresh() {
    const QString text = worksheetText(model_);
    if (text_->toPlainText() != text) {
        text_->setPlainText(text);
        hangIndentedLines(*text_);
    }
}

void WorksheetWindow::showWorksheet() {
    refresh();
    show();
    raise();
    activateWindow();
}

QString WorksheetWindow::text() const {
    return text_->toPlainText();
}

WorksheetWindow& worksheetWindow(QWidget& owner, FormBinder& binder) {
    auto* window = owner.findChild<WorksheetWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (window == nullptr) {
        window = new WorksheetWindow(owner, binder);
    }
    return *window;
}

}  // namespace corvell::ui
