#include "interest/ui/calculationform.h"

#include <QApplication>
#include <QCache>
#include <QEvent>
#include <QFontMetricsF>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QScrollBar>
#include <QStyle>
#include <QStyledItemDelegate>

#include "interest/calculationformcontrols.h"
#include "interest/calculationformlayout.h"
#include "interest/ledgerlines.h"
#include "interest/ui/ledgerexport.h"
#include "shell/ui/formlayout.h"

namespace corvell::ui {

using namespace calculationform;

namespace {

// The panel's caption is in the label font, the panel in a fixed-pitch one:
// spread the caption's letters so that its column names stand over the
// panel's columns, whatever fonts the computer substitutes.
void spreadCaptionOverPanel(QLabel& caption, const QListWidget& panel) {
    const QString text = caption.text();
    const double wanted = QFontMetricsF(panel.font()).horizontalAdvance(QString(120, QChar('0')));
    const double natural = QFontMetricsF(caption.font()).horizontalAdvance(text);
    if (wanted > natural) {
        QFont font = caption.font();
        font.setLetterSpacing(QFont::AbsoluteSpacing,
                              (wanted - natural) / static_cast<double>(text.size()));
        caption.setFont(font);
    }
}

// Keeps the caption over the panel's columns when they move: a column that
// widened for a wide figure gave the caption one blank more per character,
// and the panel scrolls sideways when its lines are wider than it. The label
// paints the written caption at rest itself; otherwise the caption is painted
// here, the written letters spread as always, each added blank as wide as a
// panel character, and shifted as far as the panel has scrolled.
class CaptionOverPanel final : public QObject {
public:
    CaptionOverPanel(QLabel& caption, QListWidget& panel)
        : QObject(&caption), caption_(caption), panel_(panel) {
        caption.installEventFilter(this);
        connect(panel.horizontalScrollBar(), &QScrollBar::valueChanged, &caption,
                [&caption] { caption.update(); });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != &caption_ || event->type() != QEvent::Paint) {
            return false;
        }
        const int scrolled = panel_.horizontalScrollBar()->value();
        if (scrolled == 0 && caption_.text() == written()) {
            return false;
        }
        paint(scrolled);
        return true;
    }

private:
    static QString written() {
        return QString::fromLatin1(kPanelHeading.data(), qsizetype(kPanelHeading.size()));
    }

    void paint(int scrolled) {
        QPainter painter(&caption_);
        painter.setFont(caption_.font());
        painter.setPen(caption_.palette().color(caption_.foregroundRole()));
        const QFontMetricsF letters(caption_.font());
        const double column = QFontMetricsF(panel_.font()).horizontalAdvance(QChar('0'));
        const QRectF area = caption_.contentsRect();
        const int align =
            Qt::AlignLeft | Qt::TextDontClip | (caption_.alignment() & Qt::AlignVertical_Mask);
        double x = area.left() - scrolled;
        QString piece;
        const auto draw = [&] {
            const double width = letters.horizontalAdvance(piece);
            painter.drawText(QRectF(x, area.top(), width, area.height()), align, piece);
            x += width;
            piece.clear();
        };
        // The written caption's letters in order; a blank that is not one of
        // them was added for a widened column.
        const QString writtenText = written();
        qsizetype next = 0;
        for (const QChar c : caption_.text()) {
            if (next < writtenText.size() && c == writtenText[next]) {
                piece += c;
                ++next;
            } else if (c == QChar(' ')) {
                draw();
                x += column;
            } else {
                piece += c;
            }
        }
        draw();
    }

    QLabel& caption_;
    const QListWidget& panel_;
};

// The panel's list measures one of its lines for all of them (they share one
// height), and would scroll sideways only as far as that line, the totals.
// Every line is measured as wide as the longest one, so that the panel
// scrolls to the end of an entry line that a widened column made longer.
//
// A Save scrolls the panel to its end, which repaints every line in view:
// each line is drawn once and kept as a picture, instead of being shaped and
// drawn glyph by glyph again at every repaint.
class PanelLineDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const QAbstractItemModel* lines = index.model();
        QModelIndex longest = index;
        qsizetype length = -1;
        for (int row = 0; row < lines->rowCount(index.parent()); ++row) {
            const QModelIndex line = lines->index(row, index.column(), index.parent());
            const qsizetype size = line.data().toString().size();
            if (size > length) {
                longest = line;
                length = size;
            }
        }
        return QStyledItemDelegate::sizeHint(option, longest);
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        // The blank line before the totals is no line at all: it shows the
        // panel's own background, not the grey of a line that is disabled.
        if (index.data().toString().trimmed().isEmpty()) {
            return;
        }
        QStyleOptionViewItem item = option;
        initStyleOption(&item, index);
        const QWidget* view = item.widget;
        QStyle* style = view != nullptr ? view->style() : QApplication::style();
        // The selection's background, then the text, then the focus frame,
        // as the style draws a view's item of text alone.
        style->drawPrimitive(QStyle::PE_PanelItemViewItem, &item, painter, view);

        const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
        const QRect textRect = item.rect.adjusted(margin, 0, 0, 0);
        const QPalette::ColorGroup group =
            !(item.state & QStyle::State_Enabled) ? QPalette::Disabled
            : (item.state & QStyle::State_Active) ? QPalette::Active
                                                  : QPalette::Inactive;
        const bool selected = (item.state & QStyle::State_Selected) != 0;
        const QColor ink =
            item.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text);
        if (selected) {
            drawLine(*painter, textRect, item.font, ink, item.text);
        } else {
            painter->drawPixmap(textRect.topLeft(),
                                drawn(item.text, textRect.size(), item.font, ink,
                                      item.palette.color(group, QPalette::Base),
                                      painter->device()->devicePixelRatioF()));
        }
        if (item.state & QStyle::State_HasFocus) {
            QStyleOptionFocusRect focus;
            focus.QStyleOption::operator=(item);
            focus.state |= QStyle::State_KeyboardFocusChange | QStyle::State_Item;
            focus.backgroundColor =
                item.palette.color(group, selected ? QPalette::Highlight : QPalette::Window);
            style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, view);
        }
    }

private:
    static void drawLine(QPainter& painter, const QRect& rect, const QFont& font, const QColor& ink,
                         const QString& text) {
        painter.save();
        painter.setFont(font);
        painter.setPen(ink);
        painter.drawText(rect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
        painter.restore();
    }

    // The line as painted on the panel's background, kept for the next
    // repaint.
    const QPixmap& drawn(const QString& text, QSize size, const QFont& font, const QColor& ink,
                         const QColor& background, qreal pixelRatio) const {
        const QString key = QStringLiteral("%1x%2@%3 %4 %5|")
                                .arg(size.width())
                                .arg(size.height())
                                .arg(pixelRatio)
                                .arg(ink.rgba())
                                .arg(background.rgba()) +
                            text;
        if (const QPixmap* kept = lines_.object(key)) {
            return *kept;
        }
        auto* line = new QPixmap((QSizeF(size) * pixelRatio).toSize());
        line->setDevicePixelRatio(pixelRatio);
        line->fill(background);
        QPainter painter(line);
        drawLine(painter, QRect(QPoint(0, 0), size), font, ink, text);
        painter.end();
        lines_.insert(key, line);
        return *line;
    }

    // More than the panel shows at once, few enough to stay small (a line
    // is about 45 KB).
    mutable QCache<QString, QPixmap> lines_{64};
};

}  // namespace

CalculationForm::CalculationForm(InterestModel& model, const Services& services, QWidget* parent)
    : ModelWindow(calculationform::layout, model, services, parent) {
    build();
    auto* caption = findControl<QLabel>(*this, Label11);
    auto* panel = findControl<QListWidget>(*this, List1);
    spreadCaptionOverPanel(*caption, *panel);
    new CaptionOverPanel(*caption, *panel);
    panel->setItemDelegate(new PanelLineDelegate(panel));
    // No default button on this window: Enter does not calculate.
    bind(std::nullopt, {.print = cmdPrint,
                        .close = nav::cmdQuit,
                        .buttons = calculatorCommands(
                            cmdCalculate, cmdClear,
                            {{menu::mnuSaveEntry, cmdSave, QStringLiteral("&Save Entry"),
                              QKeySequence(Qt::CTRL | Qt::Key_L)},
                             {menu::mnuNextEntry, cmdNextEntry, QStringLiteral("&Next Entry"),
                              QKeySequence(Qt::CTRL | Qt::Key_T)}}),
                        .file = ledgerFileCommands(),
                        .edit = ledgerEditCommands()});
}

// The ledger leaves the window only once a Save has made it: after Clear
// there is nothing to export or copy.
std::vector<MenuCommand> CalculationForm::ledgerFileCommands() {
    return {{.name = menu::mnuExportLedgerCsv,
             .text = QStringLiteral("Export &Ledger as CSV..."),
             .run = [this] { exportLedgerCsv(*this, model(), binder().services()); },
             .enabled = [this] { return model().ledger().EntryCount() > 0; }}};
}

std::vector<MenuCommand> CalculationForm::ledgerEditCommands() {
    return {{.name = menu::mnuUndoClear,
             .text = QStringLiteral("&Undo Clear"),
             .shortcut = QKeySequence(Qt::CTRL | Qt::Key_Z),
             .run = [this] { binder().perform([this] { return model().undoClear(); }); },
             .enabled = [this] { return model().canUndoClear(); }},
            {.name = menu::mnuCopyLedger,
             .text = QStringLiteral("&Copy Ledger"),
             .run = [this] { copyLedger(model()); },
             .enabled = [this] { return model().ledger().EntryCount() > 0; }}};
}

}  // namespace corvell::ui
