#include "app/pdf_pages.h"

#include <QBuffer>
#include <QByteArray>
#include <QPageSize>
#include <cerrno>
#include <span>

#include "common/atomic_file.h"

namespace karvelo {

void SetUpPdfWriter(QPdfWriter& writer, QPageLayout::Orientation orientation,
                    const QString& title) {
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageOrientation(orientation);
    writer.setResolution(kPdfResolution);
    writer.setPageMargins(QMarginsF(kPdfMarginMm, kPdfMarginMm, kPdfMarginMm, kPdfMarginMm),
                          QPageLayout::Millimeter);
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Karvelo"));
}

bool WritePdfFile(const std::string& path, const std::function<bool(QIODevice& device)>& draw) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !draw(buffer)) {
        errno = ENOMEM;
        return false;
    }
    buffer.close();
    return WriteFileAtomically(
        path, std::span<const char>(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

}  // namespace karvelo
