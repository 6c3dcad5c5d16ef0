// Writing the settings sheet: a PDF by QPdfWriter (A4, page numbers, real text) or one
// self-contained HTML file.

#include "SettingsSheet.h"

#include "AtomicSave.h"
#include "Language.h"

#include <QBuffer>
#include <QFileInfo>
#include <QMarginsF>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>
#include <QUrl>

namespace {

constexpr int PdfResolution = 300; // dpi: pictures stay sharp, text is vector anyway
constexpr double MarginMm = 15;

QByteArray Png(const QImage& image) {
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return data;
}

QByteArray PdfBytes(const TSheetDocument& sheet) {
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(MarginMm, MarginMm, MarginMm, MarginMm),
                           QPageLayout::Millimeter);
        pdf.setResolution(PdfResolution);
        pdf.setTitle(Tx("Settings sheet", "Лист настроек"));
        pdf.setCreator(QStringLiteral("tripconf"));
        QTextDocument doc;
        for (const auto& [name, image] : sheet.images)
            doc.addResource(QTextDocument::ImageResource, QUrl(name), image);
        doc.setHtml(sheet.html);
        // Not paginated beforehand: printing breaks it into pages and numbers them.
        doc.print(&pdf);
    }
    return data;
}

// The pictures go inside the page as data addresses, so the file travels alone.
QByteArray HtmlBytes(const TSheetDocument& sheet) {
    QString html = sheet.html;
    for (const auto& [name, image] : sheet.images)
        html.replace(QStringLiteral("src=\"%1\"").arg(name),
                     QStringLiteral("src=\"data:image/png;base64,%1\"")
                         .arg(QString::fromLatin1(Png(image).toBase64())));
    return html.toUtf8();
}

} // namespace

void SaveSettingsSheet(const TSheetDocument& sheet, const QString& path) {
    const bool pdf =
        QFileInfo(path).suffix().compare(QStringLiteral("pdf"), Qt::CaseInsensitive) == 0;
    const QByteArray data = pdf ? PdfBytes(sheet) : HtmlBytes(sheet);
    SaveWholeFile(path, data,
                  Tx("Cannot save the settings sheet %1.", "Не удалось сохранить лист настроек %1.")
                      .arg(path));
}
