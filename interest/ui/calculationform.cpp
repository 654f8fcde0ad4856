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
#include "interest/ledgerlines.h"
#include "interest/ui/ledgerexport.h"
#include "shell/ui/formlayout.h"

namespace corvell::ui {

using namespace calculationform;

namespace {

using K = ControlKind;

// Seven columns of fields, inputs first; under them the case caption beside
// the commands, then the ledger panel, wide enough for a full 122-character
// line (wider figures widen their columns, and the panel scrolls sideways).
// Table order is tab order: the inputs, the commands, Close, the
// navigation row, then the figures the calculation writes and the panel.
constexpr int kCol[] = {180, 2040, 3900, 5760, 7620, 9480, 11340};
constexpr int kColWidth = 1740;
constexpr int kRow1Label = 600;
constexpr int kRow1Field = 840;
constexpr int kRow2Label = 1290;
constexpr int kRow2Field = 1530;
constexpr int kFieldHeight = 330;
constexpr int kLabelHeight = 240;
constexpr int kCommandTop = 2430;
constexpr int kCommandHeight = 420;

constexpr ControlSpec kLayout[] = {
    {K::Label, Label2, "Beginning Date", nullptr, kCol[0], kRow1Label, kColWidth, kLabelHeight},
    {K::Field, txtBeginningDate, nullptr, "Enter beginning date of period as m/d/yy", kCol[0],
     kRow1Field, kColWidth, kFieldHeight},
    {K::Label, Label3, "Ending Date", nullptr, kCol[1], kRow1Label, kColWidth, kLabelHeight},
    {K::Field, txtEndingDate, nullptr, "Enter payment thru date as m/d/yy", kCol[1], kRow1Field,
     kColWidth, kFieldHeight},
    {K::Label, Label1, "Rate", nullptr, kCol[2], kRow1Label, kColWidth, kLabelHeight},
    {K::Field, txtRate, nullptr, "Enter  weekly compensation rate", kCol[2], kRow1Field, kColWidth,
     kFieldHeight},
    {K::Label, Label5, "Weeks", nullptr, kCol[3], kRow1Label, kColWidth, kLabelHeight},
    {K::Field, txtWeeks, nullptr, "Enter weeks and Ending Date will be computed", kCol[3],
     kRow1Field, kColWidth, kFieldHeight},
    {K::Label, Label6, "Payment Date", nullptr, kCol[0], kRow2Label, kColWidth, kLabelHeight},
    {K::Field, txtPaymentDate, nullptr, "Date check issued", kCol[0], kRow2Field, kColWidth,
     kFieldHeight},
    {K::Label, Label17, "Payment Amt.", nullptr, kCol[1], kRow2Label, kColWidth, kLabelHeight},
    {K::Field, txtPaymentAmount, nullptr,
     "Enter amount of lump sum payment to claimant on or before ending date", kCol[1], kRow2Field,
     kColWidth, kFieldHeight},
    {K::CaptionLabel, Label14, "Case Caption", nullptr, kCol[0], 1980, kColWidth, kLabelHeight},
    {K::TextBox, txtCaseCaption, nullptr, "Enter any identifying information for printed report",
     kCol[0], 2220, 5460, 840},

    {K::Button, cmdCalculate, "Calculate Interest", "Press to calculate", 5880, kCommandTop, 1800,
     kCommandHeight},
    {K::Button, cmdSave, "Save", nullptr, 7800, kCommandTop, 1230, kCommandHeight},
    {K::Button, cmdNextEntry, "Next Entry", nullptr, 9150, kCommandTop, 1230, kCommandHeight},
    {K::Button, cmdPrint, "Print", nullptr, 10500, kCommandTop, 1230, kCommandHeight},
    {K::Button, cmdClear, "Clear", nullptr, 11850, kCommandTop, 1230, kCommandHeight},
    {K::NavButton, nav::cmdQuit, nullptr, nullptr, 12105, 120, 975, 360},

    {K::NavButton, nav::cmdPresentValue, nullptr, nullptr, 180, 150, 1215, 300},
    {K::NavButton, nav::cmdSocialSecurity, nullptr, nullptr, 1455, 150, 1215, 300},
    {K::NavButton, nav::cmdPension, nullptr, nullptr, 2730, 150, 1095, 300},
    {K::NavButton, nav::CmdLumpSum, nullptr, nullptr, 3885, 150, 1095, 300},
    {K::NavButton, nav::cmdCommutation, nullptr, nullptr, 5040, 150, 1215, 300},
    {K::NavButton, nav::cmdSubrogation, nullptr, nullptr, 6315, 150, 1215, 300},

    {K::Label, Label8, "Days", nullptr, kCol[4], kRow1Label, kColWidth, kLabelHeight},
    {K::Field, lblDays, nullptr, "Partial weeks expressed in days", kCol[4], kRow1Field, kColWidth,
     kFieldHeight},
    {K::Label, Label4, "Total Days", nullptr, kCol[5], kRow1Label, kColWidth, kLabelHeight},
    {K::Field, txtTotalDays, nullptr,
     "Calculated days between beginning and ending dates inclusive", kCol[5], kRow1Field, kColWidth,
     kFieldHeight},
    {K::Label, Label13, "Total Comp", nullptr, kCol[6], kRow1Label, kColWidth, kLabelHeight},
    {K::Field, txtTotalComp, nullptr,
     "Calculated amount of compensation payable based on weeks,days and rate", kCol[6], kRow1Field,
     kColWidth, kFieldHeight},
    {K::Label, Label7, "Accrued Int.", nullptr, kCol[2], kRow2Label, kColWidth, kLabelHeight},
    {K::Field, txtAccruedInterest, nullptr,
     "Calculated amount of accrued interest on a running award", kCol[2], kRow2Field, kColWidth,
     kFieldHeight},
    {K::Label, labSimpleInterest, "Simple Int.", nullptr, kCol[3], kRow2Label, kColWidth,
     kLabelHeight},
    {K::Field, txtSimpleInterest, nullptr, "Calculated amount of simple interest", kCol[3],
     kRow2Field, kColWidth, kFieldHeight},
    {K::Label, Label9, "Simple Days", nullptr, kCol[4], kRow2Label, kColWidth, kLabelHeight},
    {K::Field, txtSimpleDays, nullptr,
     "Calculated number of days of interest between ending date and payment date", kCol[4],
     kRow2Field, kColWidth, kFieldHeight},
    {K::Label, Label10, "Total Amount", nullptr, kCol[5], kRow2Label, kColWidth, kLabelHeight},
    {K::Field, txtTotalAmount, nullptr, "Total of calculated amount of compensation and interest",
     kCol[5], kRow2Field, kColWidth, kFieldHeight},
    {K::Label, Label12, "Net Amount", nullptr, kCol[6], kRow2Label, kColWidth, kLabelHeight},
    {K::Field, txtNetAmount, nullptr, "Total amount less payment amount", kCol[6], kRow2Field,
     kColWidth, kFieldHeight},

    // The panel's column headings, as the model writes them at the written widths.
    {K::Label, Label11, kPanelHeading.data(), nullptr, 240, 3180, 12840, kLabelHeight},
    {K::ListBox, List1, "Ledger", nullptr, 180, 3420, 12900, 4500},
};

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
    : ModelWindow(WindowId::CalculationForm, 13260, 8100, model, services, parent) {
    build(kLayout);
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
