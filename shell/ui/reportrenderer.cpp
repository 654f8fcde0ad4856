#include "shell/ui/reportrenderer.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <cmath>

namespace corvell::ui {
namespace {

class PagePainter {
public:
    PagePainter(QPrinter& printer, QPainter& painter)
        : printer_(printer), painter_(painter), font_(QStringLiteral("Times New Roman")) {
        font_.setPointSizeF(12);
        pageHeight_ = printer.pageLayout().paintRectPixels(printer.resolution()).height();
    }

    void apply(const report::Statement& statement) {
        if (const auto* p = std::get_if<report::Print>(&statement)) {
            print(*p);
        } else if (const auto* f = std::get_if<report::SetFont>(&statement)) {
            font_.setFamily(QString::fromStdString(f->name));
        } else if (const auto* s = std::get_if<report::SetSize>(&statement)) {
            font_.setPointSizeF(s->points);
        } else if (const auto* b = std::get_if<report::SetBold>(&statement)) {
            font_.setBold(b->on);
        } else if (const auto* u = std::get_if<report::SetUnderline>(&statement)) {
            font_.setUnderline(u->on);
        }
        // Orientation is taken before the first page starts.
    }

    bool ok() const { return ok_; }

private:
    void print(const report::Print& statement) {
        painter_.setFont(font_);
        const QFontMetricsF metrics(font_, &printer_);
        if (!lineStarted_) {
            startLine(metrics);
        }
        const double zoneWidth = report::kZoneColumns * metrics.averageCharWidth();
        for (const report::Item& item : statement.items) {
            if (item.kind == report::Item::Kind::Zone) {
                x_ = (std::floor(x_ / zoneWidth + 1e-9) + 1) * zoneWidth;
                continue;
            }
            const QStringList parts =
                QString::fromStdString(item.text).remove(QChar('\r')).split(QChar('\n'));
            for (qsizetype i = 0; i < parts.size(); ++i) {
                if (i > 0) {
                    endLine(metrics);
                    startLine(metrics);
                }
                painter_.drawText(QPointF(x_, y_ + metrics.ascent()), parts[i]);
                x_ += metrics.horizontalAdvance(parts[i]);
            }
        }
        if (statement.endsLine) {
            endLine(metrics);
        }
    }

    void startLine(const QFontMetricsF& metrics) {
        if (y_ > 0 && y_ + metrics.height() > pageHeight_) {
            if (!printer_.newPage()) {
                ok_ = false;
            }
            y_ = 0;
        }
        lineStarted_ = true;
    }

    void endLine(const QFontMetricsF& metrics) {
        y_ += metrics.lineSpacing();
        x_ = 0;
        lineStarted_ = false;
    }

    QPrinter& printer_;
    QPainter& painter_;
    QFont font_;
    double pageHeight_ = 0;
    double x_ = 0;
    double y_ = 0;
    bool lineStarted_ = false;
    bool ok_ = true;
};

}  // namespace

bool renderReport(const report::Document& document, QPrinter& printer) {
    for (const report::Statement& statement : document.statements()) {
        if (const auto* o = std::get_if<report::SetOrientation>(&statement)) {
            printer.setPageOrientation(o->orientation == report::Orientation::Landscape
                                           ? QPageLayout::Landscape
                                           : QPageLayout::Portrait);
            break;
        }
    }
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    PagePainter pages(printer, painter);
    for (const report::Statement& statement : document.statements()) {
        pages.apply(statement);
        if (!pages.ok()) {
            painter.end();
            return false;
        }
    }
    return painter.end() && pages.ok();
}

}  // namespace corvell::ui
