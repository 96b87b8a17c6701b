#include "app/correlation_dialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>

#include "app/dialog_units.h"
#include "app/field_exchange.h"
#include "app/interface_language.h"
#include "app/static_text.h"
#include "app/ui_text.h"

namespace karvelo {

namespace {

QLabel* Caption(UiText text, QWidget* parent, int x, int y, int width, int height) {
    return StaticText(text, parent, x, y, width, height);
}

constexpr int kTemplateWidth = 517;
constexpr int kTemplateHeight = 246;

}  // namespace

CorrelationDialog::CorrelationDialog(QWidget* parent, const Profile& profile)
    : QDialog(parent),
      profile_(profile),
      surface_(DialogX(kTemplateWidth), DialogY(kTemplateHeight)),
      textPainter_(surface_),
      picture_(reinterpret_cast<const uchar*>(surface_.Data()), surface_.Width(), surface_.Height(),
               static_cast<qsizetype>(surface_.BytesPerLine()), QImage::Format_RGB32) {
    SetUiText(this, "windowTitle", KTR("CorrelationDialog", "Корр. функция"));
    setFont(DialogFont());
    setFixedSize(DialogSize(kTemplateWidth, kTemplateHeight));
    setAttribute(Qt::WA_OpaquePaintEvent);

    // Template order, which is also the tab order.
    auto* process = PlaceAt(new QPushButton(this), 36, 222, 50, 14);
    SetUiText(process, "text", KTR("CorrelationDialog", "Обработать"));
    // The check box carries its text on the left, over two lines.
    auto* text = Caption(KTR("CorrelationDialog", "Отображать полный диапазон(для корр. ф-ции)"),
                         this, 12, 162, 103 - 12, 22);
    text->setWordWrap(true);
    text->installEventFilter(this);
    fullRangeText_ = text;
    fullRange_ = PlaceAt(new QCheckBox(this), 12 + 103 - 10, 162 + 6, 10, 10);
    tMax_ = PlaceAt(new QLineEdit(this), 72, 192, 40, 14);
    Caption(KTR("CorrelationDialog", "Tmax"), this, 12, 192, 18, 8);
    signal1Point_ = PlaceAt(new QLineEdit(this), 72, 30, 40, 14);
    signal1Trace_ = PlaceAt(new QLineEdit(this), 72, 48, 40, 14);
    signal2Point_ = PlaceAt(new QLineEdit(this), 72, 108, 40, 14);
    signal2Trace_ = PlaceAt(new QLineEdit(this), 72, 126, 40, 14);
    Caption(KTR("CorrelationDialog", "Номер точки"), this, 15, 30, 44, 8);
    Caption(KTR("CorrelationDialog", "Номер трассы"), this, 15, 54, 48, 8);
    Caption(KTR("CorrelationDialog", "Номер точки"), this, 12, 108, 44, 8);
    Caption(KTR("CorrelationDialog", "Номер трассы"), this, 12, 126, 48, 8);
    Caption(KTR("CorrelationDialog", "Сигнал №1"), this, 14, 14, 40, 8);
    Caption(KTR("CorrelationDialog", "Сигнал №2"), this, 12, 90, 40, 8);
    PlaceAt(new QGroupBox(this), 6, 6, 114, 67)->lower();
    PlaceAt(new QGroupBox(this), 6, 78, 114, 72)->lower();

    WriteFields();
    connect(process, &QPushButton::clicked, this, &CorrelationDialog::OnProcess);
}

bool CorrelationDialog::ReadFields() {
    if (!ReadField(signal1Point_, fields_.Signal1Point) ||
        !ReadField(signal1Trace_, fields_.Signal1Trace) ||
        !ReadField(signal2Point_, fields_.Signal2Point) ||
        !ReadField(signal2Trace_, fields_.Signal2Trace) || !ReadField(tMax_, fields_.TMax)) {
        return false;
    }
    fields_.FullRange = fullRange_->isChecked() ? 1 : 0;
    return true;
}

void CorrelationDialog::WriteFields() {
    WriteField(signal1Point_, fields_.Signal1Point);
    WriteField(signal1Trace_, fields_.Signal1Trace);
    WriteField(signal2Point_, fields_.Signal2Point);
    WriteField(signal2Trace_, fields_.Signal2Trace);
    WriteField(tMax_, fields_.TMax);
    fullRange_->setChecked(fields_.FullRange != 0);
}

void CorrelationDialog::OnProcess() {
    // A text that does not parse has had its prompt; the run goes on with the fields as
    // they now are.
    ReadFields();
    fields_.Captions = InterfaceLanguage();
    RunCorrelation(profile_, fields_, surface_);
    update();
}

void CorrelationDialog::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect area = event->rect();
    painter.drawImage(area.topLeft(), picture_, area);
}

void CorrelationDialog::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && qobject_cast<QPushButton*>(focusWidget()) == nullptr) {
        if (ReadFields()) {
            accept();
        }
        return;
    }
    QDialog::keyPressEvent(event);
}

bool CorrelationDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == fullRangeText_ && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        fullRange_->click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace karvelo
