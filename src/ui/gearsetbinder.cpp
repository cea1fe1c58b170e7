#include "ui/gearsetbinder.h"

#include <QCheckBox>
#include <QLineEdit>

namespace trovanta::ui {

GearSetBinder::GearSetBinder(const Edits &edits, QLineEdit *circumference, QCheckBox *typed)
    : edits_(edits), circumference_(circumference), typed_(typed)
{
}

gearing::SetTexts GearSetBinder::texts() const
{
    gearing::SetTexts t;
    for (int i = 0; i < gearing::SetFieldCount; ++i) {
        const auto f = static_cast<gearing::SetField>(i);
        t[f] = edit(f)->text().toStdString();
    }
    const bool typed = typed_ ? typed_->isChecked() : !circumference_->text().isEmpty();
    if (typed)
        t.circumference = circumference_->text().toStdString();
    return t;
}

void GearSetBinder::setFields(const gearing::SetTexts &t)
{
    for (int i = 0; i < gearing::SetFieldCount; ++i) {
        const auto f = static_cast<gearing::SetField>(i);
        edit(f)->setText(QString::fromStdString(t[f]));
    }
}

void GearSetBinder::setTexts(const gearing::SetTexts &t)
{
    setFields(t);
    if (typed_) {
        // Switched on, the edit takes the value; switched off, the main
        // window works it out from the tyre.
        typed_->setChecked(t.circumference.has_value());
        if (t.circumference)
            circumference_->setText(QString::fromStdString(*t.circumference));
    } else {
        circumference_->setText(QString::fromStdString(t.circumference.value_or(std::string())));
    }
}

} // namespace trovanta::ui
