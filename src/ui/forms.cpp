#include "ui/forms.h"

namespace trovanta::ui {

Forms &forms()
{
    static Forms f;
    return f;
}

} // namespace trovanta::ui
