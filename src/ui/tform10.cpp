#include "ui/tform10.h"

#include "calc/converter.h"

namespace {
const trovanta::ui::ConverterDesign design = {
    "Form10", "Métrique Pouce",
    {"Edit_cm", "10", "cm", "Panel_zoll", "Pouce"},
    {"Edit_zoll", "17", "Pouce", "Panel_cm", "cm"},
    trovanta::converter::CmPerInch,
};
} // namespace

TForm10::TForm10(QWidget *parent) : ConverterWindow(design, parent) {}
