// Moving members in and out of controls the way the forms' data exchange does: reading
// stops at the first text that does not parse, after its prompt; writing touches a
// control only when its text changes, so an edit being typed in keeps its cursor.
#pragma once

#include <cstdint>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QWidget;

namespace karvelo {

// Each Read returns false when the text does not parse: the prompt has been shown
// through the message sink, the focus moved to the control, and value is unchanged.
bool ReadField(QLineEdit* edit, std::int32_t& value);
bool ReadField(QLineEdit* edit, std::uint32_t& value);
bool ReadField(QLineEdit* edit, float& value);
bool ReadField(QLabel* label, double& value);
bool ReadField(QLabel* label, float& value);

void WriteField(QLineEdit* edit, std::int32_t value);
void WriteField(QLineEdit* edit, std::uint32_t value);
void WriteField(QLineEdit* edit, float value);
void WriteField(QLabel* label, double value);
void WriteField(QLabel* label, float value);

// Index of the checked button of a radio group whose ids are 0, 1, ...; -1 when none is.
std::int32_t ReadRadio(const QButtonGroup* group);
// Checks button value; any other value leaves the whole group unchecked.
void WriteRadio(QButtonGroup* group, std::int32_t value);

// Shows prompt (UTF-8) through the message sink, with the rule of control on a second
// line when it has one, and gives control the focus, selecting an edit's text so that
// the user can type over it.
void PromptField(const char* prompt, QWidget* control);

// The field rule (one of common/field_rules.h) a refusal of control's text names.
void SetFieldRule(QWidget* control, const char* rule);

}  // namespace karvelo
