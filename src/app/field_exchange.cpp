#include "app/field_exchange.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QString>

#include "app/field_text.h"
#include "common/error_messages.h"
#include "common/number_format.h"
#include "common/single_precision.h"

namespace karvelo {

namespace {

std::string TextOf(const QLineEdit* edit) {
    return edit->text().toStdString();
}
std::string TextOf(const QLabel* label) {
    return label->text().toStdString();
}

template <class Control>
void SetTextIfChanged(Control* control, const QString& text) {
    if (control->text() != text) {
        control->setText(text);
    }
}

template <class Control, class Value, class Parse>
bool ReadWith(Control* control, Value& value, Parse parse, const char* prompt) {
    const auto parsed = parse(TextOf(control));
    if (!parsed) {
        PromptField(prompt, control);
        return false;
    }
    value = static_cast<Value>(*parsed);
    return true;
}

// A float member takes only numbers inside its range; a larger one would be held as
// infinity, which the field could not read back.
std::optional<float> ParseSingleText(std::string_view text) {
    const auto value = ParseNumberText(text);
    return value ? ToSingle(*value) : std::nullopt;
}

// The dynamic property holding a control's field rule.
constexpr const char* kFieldRuleProperty = "karvelo_field_rule";

}  // namespace

void SetFieldRule(QWidget* control, const char* rule) {
    control->setProperty(kFieldRuleProperty, QByteArray(rule));
}

void PromptField(const char* prompt, QWidget* control) {
    std::string text = prompt;
    const QByteArray rule = control->property(kFieldRuleProperty).toByteArray();
    if (!rule.isEmpty()) {
        text += '\n' + rule.toStdString();
    }
    if (MessageSink* sink = CurrentMessageSink()) {
        sink->Show(text);
    }
    control->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        edit->selectAll();
    }
}

bool ReadField(QLineEdit* edit, std::int32_t& value) {
    return ReadWith(edit, value, ParseIntegerText, kPromptInteger);
}
bool ReadField(QLineEdit* edit, std::uint32_t& value) {
    return ReadWith(edit, value, ParseUnsignedText, kPromptPositiveInteger);
}
bool ReadField(QLineEdit* edit, float& value) {
    return ReadWith(edit, value, ParseSingleText, kPromptNumber);
}
bool ReadField(QLabel* label, double& value) {
    return ReadWith(label, value, ParseNumberText, kPromptNumber);
}
bool ReadField(QLabel* label, float& value) {
    return ReadWith(label, value, ParseSingleText, kPromptNumber);
}

void WriteField(QLineEdit* edit, std::int32_t value) {
    SetTextIfChanged(edit, QString::number(value));
}
void WriteField(QLineEdit* edit, std::uint32_t value) {
    SetTextIfChanged(edit, QString::number(value));
}
void WriteField(QLineEdit* edit, float value) {
    SetTextIfChanged(edit, QString::fromStdString(FormatFieldFloat(value)));
}
void WriteField(QLabel* label, double value) {
    SetTextIfChanged(label, QString::fromStdString(FormatFieldDouble(value)));
}
void WriteField(QLabel* label, float value) {
    SetTextIfChanged(label, QString::fromStdString(FormatFieldFloat(value)));
}

std::int32_t ReadRadio(const QButtonGroup* group) {
    return group->checkedId();
}

void WriteRadio(QButtonGroup* group, std::int32_t value) {
    if (QAbstractButton* button = group->button(value)) {
        button->setChecked(true);
        return;
    }
    // An exclusive group keeps one button checked; lift that for a moment.
    group->setExclusive(false);
    for (QAbstractButton* each : group->buttons()) {
        each->setChecked(false);
    }
    group->setExclusive(true);
}

}  // namespace karvelo
