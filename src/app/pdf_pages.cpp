#include "app/pdf_pages.h"

#include <QPageSize>

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

}  // namespace karvelo
