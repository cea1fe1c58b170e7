#include "ui/converters.h"

#include "calc/converter.h"

namespace {

using trovanta::ui::ConverterDesign;
using trovanta::ui::tx;
namespace converter = trovanta::converter;

const ConverterDesign PsKw = {
    "Form3", tx("TForm3", "Cv - kW"),
    {"Edit_PS", "50", tx("TForm3", "Cv"), "Panel_kW", tx("TForm3", "kW")},
    {"Edit_kW", "50", tx("TForm3", "kW"), "Panel_PS", tx("TForm3", "Cv")},
    converter::PsPerKw,
};

const ConverterDesign KmhMph = {
    "Form4", tx("TForm4", "km/h - Mph"),
    {"Edit_kmh", "50", tx("TForm4", "km/h"), "Panel_mph", tx("TForm4", "Mph")},
    {"Edit_mph", "50", tx("TForm4", "Mph"), "Panel_kmh", tx("TForm4", "km/h")},
    converter::KmhPerMph,
};

const ConverterDesign CmInch = {
    "Form10", tx("TForm10", "Métrique Pouce"),
    {"Edit_cm", "10", tx("TForm10", "cm"), "Panel_zoll", tx("TForm10", "Pouce")},
    {"Edit_zoll", "17", tx("TForm10", "Pouce"), "Panel_cm", tx("TForm10", "cm")},
    converter::CmPerInch,
};

} // namespace

TForm3::TForm3(QWidget *parent) : ConverterWindow(PsKw, parent) {}
TForm4::TForm4(QWidget *parent) : ConverterWindow(KmhMph, parent) {}
TForm10::TForm10(QWidget *parent) : ConverterWindow(CmInch, parent) {}
