#include "ui/tform4.h"

#include "calc/converter.h"

namespace {
const trovanta::ui::ConverterDesign design = {
    "Form4", "km/h - Mph",
    {"Edit_kmh", "50", "km/h", "Panel_mph", "Mph"},
    {"Edit_mph", "50", "Mph", "Panel_kmh", "km/h"},
    trovanta::converter::KmhPerMph,
};
} // namespace

TForm4::TForm4(QWidget *parent) : ConverterWindow(design, parent) {}
