#include "ui/tform3.h"

#include "calc/converter.h"

namespace {
const trovanta::ui::ConverterDesign design = {
    "Form3", "Cv - kW",
    {"Edit_PS", "50", "Cv", "Panel_kW", "kW"},
    {"Edit_kW", "50", "kW", "Panel_PS", "Cv"},
    trovanta::converter::PsPerKw,
};
} // namespace

TForm3::TForm3(QWidget *parent) : ConverterWindow(design, parent) {}
