#pragma once
// The one way between a window's gear set edits and gearing::SetTexts: the
// main window and the comparison's variant bind theirs with it, and so does
// any window that shows or takes a whole gear set.

#include "calc/settexts.h"

#include <array>

class QCheckBox;
class QLineEdit;

namespace trovanta::ui {

class GearSetBinder {
public:
    // The 13 edits in gearing::SetField order.
    using Edits = std::array<QLineEdit *, gearing::SetFieldCount>;

    // `circumference` holds a typed circumference. With a check box (the
    // main window's override) it counts while the box is checked; without
    // one, while the edit holds any text.
    GearSetBinder(const Edits &edits, QLineEdit *circumference, QCheckBox *typed = nullptr);

    gearing::SetTexts texts() const;
    // The 13 fields in their order, then the circumference: the check box
    // first, then the edit's text when there is one.
    void setTexts(const gearing::SetTexts &texts);
    // The 13 fields only; the circumference stays as it is. A field whose
    // text does not change sends no change signal.
    void setFields(const gearing::SetTexts &texts);

    QLineEdit *edit(gearing::SetField f) const { return edits_[static_cast<std::size_t>(f)]; }
    const Edits &edits() const { return edits_; }
    QLineEdit *circumferenceEdit() const { return circumference_; }

private:
    Edits edits_;
    QLineEdit *circumference_;
    QCheckBox *typed_;
};

} // namespace trovanta::ui
