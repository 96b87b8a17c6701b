#include "app/guide_window.h"

#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "app/interface_language.h"
#include "app/ui_text.h"

namespace karvelo {

GuideWindow::GuideWindow(QWidget* parent) : QDialog(parent), browser_(new QTextBrowser(this)) {
    SetUiText(this, "windowTitle", KTR("GuideWindow", "Руководство"));
    browser_->setObjectName(QStringLiteral("guide"));
    browser_->setSource(QUrl(InterfaceLanguage() == Language::English
                                 ? QStringLiteral("qrc:/help/guide_en.html")
                                 : QStringLiteral("qrc:/help/guide_ru.html")));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(browser_);
    constexpr int kWidth = 640;
    constexpr int kHeight = 560;
    resize(kWidth, kHeight);
}

}  // namespace karvelo
