// What every PDF the program writes shares: A4 at 300 dots per inch, 15 mm margins,
// the document's title and the program as its creator.
#pragma once

#include <QIODevice>
#include <QPageLayout>
#include <QPdfWriter>
#include <QString>
#include <functional>
#include <string>

namespace karvelo {

inline constexpr int kPdfResolution = 300;  // dots per inch of the page
inline constexpr double kPdfMarginMm = 15.0;

// Sets up writer for pages in orientation with title.
void SetUpPdfWriter(QPdfWriter& writer, QPageLayout::Orientation orientation, const QString& title);

// Lets draw write a whole PDF to a device in memory, then writes it to path atomically: the
// PDF writer reports no failing disk, the atomic writer does. False when drawing or the
// write fails (errno gives the system's reason; the old file at path is kept).
bool WritePdfFile(const std::string& path, const std::function<bool(QIODevice& device)>& draw);

}  // namespace karvelo
