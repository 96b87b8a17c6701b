// What every PDF the program writes shares: A4 at 300 dots per inch, 15 mm margins,
// the document's title and the program as its creator.
#pragma once

#include <QPageLayout>
#include <QPdfWriter>
#include <QString>

namespace karvelo {

inline constexpr int kPdfResolution = 300;  // dots per inch of the page
inline constexpr double kPdfMarginMm = 15.0;

// Sets up writer for pages in orientation with title.
void SetUpPdfWriter(QPdfWriter& writer, QPageLayout::Orientation orientation, const QString& title);

}  // namespace karvelo
