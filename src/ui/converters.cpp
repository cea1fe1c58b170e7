#include "ui/converters.h"

#include "calc/converter.h"

namespace {

using trovanta::ui::ConverterDesign;
namespace converter = trovanta::converter;

const ConverterDesign PsKw = {
    "Form3", "Cv - kW",
    {"Edit_PS", "50", "Cv", "Panel_kW", "kW"},
    {"Edit_kW", "50", "kW", "Panel_PS", "Cv"},
    converter::PsPerKw,
};

const ConverterDesign KmhMph = {
    "Form4", "km/h - Mph",
    {"Edit_kmh", "50", "km/h", "Panel_mph", "Mph"},
    {"Edit_mph", "50", "Mph", "Panel_kmh", "km/h"},
    converter::KmhPerMph,
};

const ConverterDesign CmInch = {
    "Form10", "Métrique Pouce",
    {"Edit_cm", "10", "cm", "Panel_zoll", "Pouce"},
    {"Edit_zoll", "17", "Pouce", "Panel_cm", "cm"},
    converter::CmPerInch,
};

} // namespace

TForm3::TForm3(QWidget *parent) : ConverterWindow(PsKw, parent) {}
TForm4::TForm4(QWidget *parent) : ConverterWindow(KmhMph, parent) {}
TForm10::TForm10(QWidget *parent) : ConverterWindow(CmInch, parent) {}
