#include "view/form_widgets.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QScrollBar>

#include "analysis/spectral_options.h"
#include "app/dialog_units.h"
#include "app/field_exchange.h"
#include "app/static_text.h"
#include "app/tab_chain.h"
#include "app/ui_text.h"
#include "common/field_rules.h"

namespace karvelo {

namespace {

constexpr int kContrastMax = 100;
constexpr int kContrastStep = 10;

QLabel* Static(UiText text, QWidget* form, int x, int y, int width, int height) {
    return StaticText(text, form, x, y, width, height);
}

// A static whose text is a value written by the data exchange, never translated.
QLabel* ValueStatic(QWidget* form, int x, int y, int width, int height) {
    return StaticText(QStringLiteral("Static"), form, x, y, width, height);
}

// Group boxes stay beneath the controls they frame, so that clicks reach those.
QGroupBox* Frame(UiText title, QWidget* form, int x, int y, int width, int height) {
    auto* box = PlaceAt(new QGroupBox(form), x, y, width, height);
    SetUiText(box, "title", title);
    box->lower();
    return box;
}

QGroupBox* Frame(QWidget* form, int x, int y, int width, int height) {
    auto* box = PlaceAt(new QGroupBox(form), x, y, width, height);
    box->lower();
    return box;
}

QRadioButton* Radio(UiText text, QWidget* form, int x, int y, int width, int height) {
    auto* radio = PlaceAt(new QRadioButton(form), x, y, width, height);
    SetUiText(radio, "text", text);
    return radio;
}

QLineEdit* Edit(QWidget* form, int x, int y, int width, int height) {
    return PlaceAt(new QLineEdit(form), x, y, width, height);
}

QPushButton* Button(UiText text, QWidget* form, int x, int y, int width, int height) {
    auto* button = PlaceAt(new QPushButton(form), x, y, width, height);
    SetUiText(button, "text", text);
    button->setAutoDefault(false);
    return button;
}

// The window's choices: none, Hann and three decays.
void FillWindowItems(QComboBox* combo) {
    struct Choice {
        UiText Text;
        SpectralWindow Window;
        double Share;
    };
    const Choice choices[] = {
        {KTR("FormView", "без окна"), SpectralWindow::None, kDefaultDecayShare},
        {KTR("FormView", "Ханна"), SpectralWindow::Hann, kDefaultDecayShare},
        {KTR("FormView", "эксп. 10 %"), SpectralWindow::Exponential, 0.1},
        {KTR("FormView", "эксп. 25 %"), SpectralWindow::Exponential, kDefaultDecayShare},
        {KTR("FormView", "эксп. 50 %"), SpectralWindow::Exponential, 0.5},
    };
    for (const Choice& choice : choices) {
        const int index = combo->count();
        combo->addItem(QString());
        combo->setItemData(index, static_cast<int>(choice.Window), Qt::UserRole);
        combo->setItemData(index, choice.Share, Qt::UserRole + 1);
        SetUiItemText(combo, index, choice.Text);
    }
}

void FillZeroPadItems(QComboBox* combo) {
    for (const std::uint32_t factor : kZeroPadFactors) {
        combo->addItem(QStringLiteral("×%1").arg(factor), factor);
    }
}

// Edits that take digits only from the keyboard.
void DigitsOnly(QLineEdit* edit) {
    edit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
}

}  // namespace

FormWidgets CreateFormWidgets(QWidget* form) {
    FormWidgets w;
    w.singleTrace = Radio(KTR("FormView", "Одна трасса"), form, 30, 90, 59, 10);
    w.averaged = Radio(KTR("FormView", "Усреднённый спектр"), form, 30, 102, 87, 10);
    w.product = Radio(KTR("FormView", "Произведение спектров"), form, 30, 114, 98, 10);
    w.profile = Radio(KTR("FormView", "Спектр профиля"), form, 30, 126, 72, 10);
    w.profile->setEnabled(false);
    // The frames, the band button, "D", the trace edit and the check box differ from the
    // template by a few units: at the program's font their texts need that room.
    Frame(KTR("FormView", "Трассы"), form, 16, 7, 124, 65);
    w.pointNumber = Edit(form, 78, 54, 40, 14);
    Frame(form, 24, 18, 101, 30);
    w.wiggle = Radio(KTR("FormView", "Графический вид"), form, 30, 24, 75, 10);
    w.density = Radio(KTR("FormView", "Плотностной вид"), form, 30, 36, 75, 10);
    Static(KTR("FormView", "Номер точки"), form, 24, 54, 44, 8);
    Frame(KTR("FormView", "Спектр"), form, 18, 74, 124, 208);
    Frame(form, 24, 82, 109, 56);
    w.applyBand = Button(KTR("FormView", "Изменить диапазон частот"), form, 20, 210, 101, 14);
    w.spinValue = Edit(form, 71, 386, 24, 14);
    DigitsOnly(w.spinValue);
    w.spinValue->setEnabled(false);
    w.spinValue->hide();
    Static(KTR("FormView", "Номер трассы"), form, 23, 140, 48, 8);
    w.traceNumber = Edit(form, 74, 140, 34, 14);
    DigitsOnly(w.traceNumber);
    Static(KTR("FormView", "fmax,Гц."), form, 23, 180, 30, 8);
    Static(KTR("FormView", "fmin,Гц."), form, 24, 196, 28, 8);
    w.fmax = Edit(form, 81, 177, 40, 14);
    w.fmin = Edit(form, 81, 193, 40, 14);
    w.peakList = PlaceAt(new QListWidget(form), 24, 240, 109, 40);
    w.peakList->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    Static(KTR("FormView", "Список локальных максимумов:"), form, 24, 228, 111, 11);
    w.frequency = ValueStatic(form, 151, 384, 52, 8);
    w.velocity = Edit(form, 81, 157, 40, 14);
    w.derived = ValueStatic(form, 281, 385, 51, 13);
    w.thicknessGiven = PlaceAt(new QCheckBox(form), 126, 159, 10, 10);
    w.derivedCaption = Static(KTR("FormView", "Толщина/скорость"), form, 204, 385, 67, 8);
    Static(KTR("FormView", "Скорость    /толщина"), form, 24, 157, 37, 16);
    w.defaultBand = Button(KTR("FormView", "D"), form, 122, 210, 14, 14);
    w.contrast = PlaceAt(new QScrollBar(Qt::Horizontal, form), 28, 350, 99, 11);
    w.contrast->setRange(0, kContrastMax);
    w.contrast->setSingleStep(kContrastStep);
    // The thumb stays small, as on a bar with no page size.
    w.contrast->setPageStep(1);
    // The bar moves only where the contrast action puts it, not while being dragged.
    w.contrast->setTracking(false);
    w.contrastCaption =
        Static(KTR("FormView", "Регулирование  контрастности"), form, 29, 337, 107, 8);
    w.paletteCaption = Static(KTR("FormView", "Используемая палитра"), form, 31, 289, 78, 8);
    w.exportSpectrum = Button(KTR("FormView", "S"), form, 116, 140, 18, 13);
    w.exportSpectrum->setEnabled(false);
    w.qualityCaption = Static(KTR("FormView", "Добротность"), form, 149, 395, 46, 8);
    w.quality = ValueStatic(form, 210, 396, 56, 8);
    // Below the template's controls, in the left column and under the click read-out.
    Static(KTR("FormView", "β"), form, 24, 368, 30, 8);
    w.shapeFactor = Edit(form, 81, 366, 40, 14);
    w.detrend = PlaceAt(new QCheckBox(form), 24, 384, 100, 10);
    SetUiText(w.detrend, "text", KTR("FormView", "Убрать тренд"));
    w.calibrate = Button(KTR("FormView", "Калибровка Cp"), form, 24, 398, 97, 14);
    w.refinedCaption = Static(KTR("FormView", "Уточн. частота"), form, 149, 406, 58, 8);
    w.refined = ValueStatic(form, 210, 406, 56, 8);
    // Under those: the sensor spacing in the left column, the use of the velocity from the
    // arrivals under the click read-out.
    Static(KTR("FormView", "База датчиков, мм"), form, 24, 414, 56, 16);
    w.sensorSpacing = Edit(form, 81, 414, 40, 14);
    Static(KTR("FormView", "Cp из двух датчиков:"), form, 149, 417, 76, 8);
    QRadioButton* const arrivalChoices[] = {
        Radio(KTR("FormView", "нет"), form, 228, 416, 30, 10),
        Radio(KTR("FormView", "измерить"), form, 260, 416, 50, 10),
        Radio(KTR("FormView", "по точке"), form, 312, 416, 50, 10),
        Radio(KTR("FormView", "медиана линии"), form, 364, 416, 74, 10),
    };
    // Under those: the window and the zero padding of every transform.
    Static(KTR("FormView", "Окно"), form, 24, 434, 30, 8);
    w.window = PlaceAt(new QComboBox(form), 81, 432, 52, 14);
    FillWindowItems(w.window);
    Static(KTR("FormView", "Дополнение нулями"), form, 149, 434, 70, 8);
    w.zeroPad = PlaceAt(new QComboBox(form), 224, 432, 34, 14);
    FillZeroPadItems(w.zeroPad);

    for (QWidget* hidden : std::initializer_list<QWidget*>{
             w.paletteCaption, w.contrastCaption, w.contrast, w.frequency, w.derivedCaption,
             w.derived, w.qualityCaption, w.quality, w.refinedCaption, w.refined}) {
        hidden->hide();
    }

    w.spectrumModes = new QButtonGroup(form);
    w.spectrumModes->addButton(w.singleTrace, 0);
    w.spectrumModes->addButton(w.averaged, 1);
    w.spectrumModes->addButton(w.product, 2);
    w.spectrumModes->addButton(w.profile, 3);
    w.viewModes = new QButtonGroup(form);
    w.viewModes->addButton(w.wiggle, 0);
    w.viewModes->addButton(w.density, 1);
    w.arrivalVelocity = new QButtonGroup(form);
    for (int id = 0; id < static_cast<int>(std::size(arrivalChoices)); ++id) {
        w.arrivalVelocity->addButton(arrivalChoices[id], id);
    }

    // What each field accepts, named when a value typed into it is refused.
    SetFieldRule(w.pointNumber, kRulePointNumber);
    SetFieldRule(w.traceNumber, kRuleTraceNumber);
    SetFieldRule(w.fmin, kRuleFMin);
    SetFieldRule(w.fmax, kRuleFMax);
    SetFieldRule(w.velocity, kRuleVelocity);
    SetFieldRule(w.shapeFactor, kRuleShapeFactor);
    SetFieldRule(w.sensorSpacing, kRuleSensorSpacing);

    // The controls named by a letter or by nothing at all say what they do.
    SetUiText(w.exportSpectrum, "toolTip", KTR("FormView", "Сохранить спектр в текстовый файл"));
    SetUiText(w.defaultBand, "toolTip", KTR("FormView", "Полоса всего спектра"));
    SetUiText(w.thicknessGiven, "toolTip",
              KTR("FormView", "Поле «Скорость/толщина» содержит толщину, а не скорость"));
    SetUiText(w.contrast, "toolTip", KTR("FormView", "Регулирование контрастности"));
    SetUiText(w.window, "toolTip",
              KTR("FormView",
                  "Окно перед преобразованием Фурье: нет — спектр без окна; "
                  "Ханна; экспонента, спадающая до 1/e на доле записи"));
    SetUiText(w.zeroPad, "toolTip",
              KTR("FormView",
                  "Дополнение трассы нулями до 2, 4 или 8 её длин: бины спектра "
                  "во столько же раз чаще"));

    // Tab goes through the form as it is read: the traces frame, then the spectrum frame
    // row by row, then the controls below it.
    SetTabChain({w.wiggle,         w.density,  w.pointNumber, w.singleTrace,    w.averaged,
                 w.product,        w.profile,  w.traceNumber, w.exportSpectrum, w.velocity,
                 w.thicknessGiven, w.fmax,     w.fmin,        w.applyBand,      w.defaultBand,
                 w.peakList,       w.contrast, w.shapeFactor, w.detrend,        w.calibrate});
    SetTabChain({w.calibrate, w.sensorSpacing, arrivalChoices[0], arrivalChoices[1],
                 arrivalChoices[2], arrivalChoices[3], w.window, w.zeroPad});

    w.wiggle->setObjectName(QStringLiteral("wiggle"));
    w.density->setObjectName(QStringLiteral("density"));
    w.singleTrace->setObjectName(QStringLiteral("singleTrace"));
    w.averaged->setObjectName(QStringLiteral("averaged"));
    w.product->setObjectName(QStringLiteral("product"));
    w.profile->setObjectName(QStringLiteral("profile"));
    w.exportSpectrum->setObjectName(QStringLiteral("exportSpectrum"));
    w.applyBand->setObjectName(QStringLiteral("applyBand"));
    w.defaultBand->setObjectName(QStringLiteral("defaultBand"));
    w.calibrate->setObjectName(QStringLiteral("calibrate"));
    w.pointNumber->setObjectName(QStringLiteral("pointNumber"));
    w.traceNumber->setObjectName(QStringLiteral("traceNumber"));
    w.fmax->setObjectName(QStringLiteral("fmax"));
    w.fmin->setObjectName(QStringLiteral("fmin"));
    w.velocity->setObjectName(QStringLiteral("velocityOrThickness"));
    w.thicknessGiven->setObjectName(QStringLiteral("thicknessGiven"));
    w.peakList->setObjectName(QStringLiteral("peakList"));
    w.contrast->setObjectName(QStringLiteral("contrast"));
    w.frequency->setObjectName(QStringLiteral("frequency"));
    w.derived->setObjectName(QStringLiteral("derived"));
    w.quality->setObjectName(QStringLiteral("quality"));
    w.shapeFactor->setObjectName(QStringLiteral("shapeFactor"));
    w.detrend->setObjectName(QStringLiteral("detrend"));
    w.refined->setObjectName(QStringLiteral("refined"));
    w.sensorSpacing->setObjectName(QStringLiteral("sensorSpacing"));
    arrivalChoices[0]->setObjectName(QStringLiteral("arrivalVelocityOff"));
    w.window->setObjectName(QStringLiteral("window"));
    w.zeroPad->setObjectName(QStringLiteral("zeroPad"));
    return w;
}

}  // namespace karvelo
