// The controls of the main form, created at their template positions on the form.
#pragma once

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QWidget;

namespace karvelo {

// Pointers to the form's controls (owned by the form widget); ids as in the template.
struct FormWidgets {
    QButtonGroup* spectrumModes = nullptr;  // 1018 group: ids 0..3
    QRadioButton* singleTrace = nullptr;    // 1018 "Одна трасса"
    QRadioButton* averaged = nullptr;       // 1019 "Усреднённый спектр"
    QRadioButton* product = nullptr;        // 1037 "Произведение спектров"
    QRadioButton* profile = nullptr;        // 1040 "Спектр профиля"
    QLineEdit* pointNumber = nullptr;       // 1036
    QButtonGroup* viewModes = nullptr;      // 1031 group: ids 0, 1
    QRadioButton* wiggle = nullptr;         // 1031 "Графический вид"
    QRadioButton* density = nullptr;        // 1033 "Плотностной вид"
    QPushButton* applyBand = nullptr;       // 1027 "Изменить диапазон частот"
    QLineEdit* spinValue = nullptr;         // 1021, hidden and disabled
    QLineEdit* traceNumber = nullptr;       // 1024
    QLineEdit* fmax = nullptr;              // 1025
    QLineEdit* fmin = nullptr;              // 1026
    QListWidget* peakList = nullptr;        // 1030
    QLabel* frequency = nullptr;            // 1041
    QLineEdit* velocity = nullptr;          // 1042
    QLabel* derived = nullptr;              // 1043
    QCheckBox* thicknessGiven = nullptr;    // 1044
    QLabel* derivedCaption = nullptr;       // 1045 "Толщина/скорость"
    QPushButton* defaultBand = nullptr;     // 1023 "D"
    QScrollBar* contrast = nullptr;         // 1046, 0..100
    QLabel* contrastCaption = nullptr;      // 1047
    QLabel* paletteCaption = nullptr;       // 1048
    QPushButton* exportSpectrum = nullptr;  // 1052 "S"
    QLabel* qualityCaption = nullptr;       // 1054 "Добротность"
    QLabel* quality = nullptr;              // 1053
    // Beyond the template: the shape factor, trend removal, calibration and the refined
    // frequency of a clicked maximum.
    QLineEdit* shapeFactor = nullptr;  // "β"
    QCheckBox* detrend = nullptr;      // "Убрать тренд"
    QPushButton* calibrate = nullptr;  // "Калибровка Cp"
    QLabel* refinedCaption = nullptr;  // "Уточн. частота"
    QLabel* refined = nullptr;
    // The velocity from the arrivals at two sensors: their spacing, and what it does.
    QLineEdit* sensorSpacing = nullptr;       // "База датчиков, мм"
    QButtonGroup* arrivalVelocity = nullptr;  // "Cp из двух датчиков": ids as FormState's
    // The window and the zero padding of every transform: the window's items carry
    // the SpectralWindow (Qt::UserRole) and the decay share (Qt::UserRole + 1), the
    // padding's items their factor.
    QComboBox* window = nullptr;   // "Окно"
    QComboBox* zeroPad = nullptr;  // "Дополнение нулями"
};

// Creates every control of the form on form in template order (the tab order), with its
// text and state at creation.
FormWidgets CreateFormWidgets(QWidget* form);

}  // namespace karvelo
