#include "calc/settexts.h"

namespace trovanta::gearing {

std::string &SetTexts::operator[](SetField f)
{
    switch (f) {
    case SetField::Rim:
        return rim;
    case SetField::Width:
        return width;
    case SetField::Height:
        return height;
    case SetField::Slip:
        return slip;
    case SetField::Front:
        return front;
    case SetField::Rear:
        return rear;
    case SetField::Primary:
        return primary;
    default:
        return gears[static_cast<std::size_t>(static_cast<int>(f) - static_cast<int>(SetField::Gear1))];
    }
}

const std::string &SetTexts::operator[](SetField f) const { return (*const_cast<SetTexts *>(this))[f]; }

bool SetTexts::operator==(const SetTexts &o) const
{
    return rim == o.rim && width == o.width && height == o.height && slip == o.slip && front == o.front &&
           rear == o.rear && primary == o.primary && gears == o.gears && circumference == o.circumference;
}

} // namespace trovanta::gearing
