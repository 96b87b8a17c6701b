// "Сведения об объекте": the object block of the report (structure, element, line,
// operator, instrument, test date, notes), entered once for the report's PDF.
#pragma once

#include <QDialog>
#include <array>

#include "report/object_info.h"

class QLineEdit;

namespace karvelo {

class ObjectInfoDialog : public QDialog {
  public:
    ObjectInfoDialog(QWidget* parent, const ObjectInfo& info);

    // The fields as typed (after OK).
    ObjectInfo Info() const;

  private:
    std::array<QLineEdit*, kObjectFields.size()> edits_{};
};

}  // namespace karvelo
