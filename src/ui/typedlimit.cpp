#include "ui/typedlimit.h"

#include <QLineEdit>

namespace trovanta::ui {

namespace {
const char *const TypedLimit = "trovantaTypedLimit";
}

void limitTyping(QLineEdit *edit, int limit)
{
    edit->setProperty(TypedLimit, limit);
    edit->setMaxLength(limit);
    QObject::connect(edit, &QLineEdit::textEdited, edit, [edit, limit](const QString &t) {
        edit->setMaxLength(qMax(limit, static_cast<int>(t.size())));
    });
}

void setFieldText(QLineEdit *edit, const QString &text)
{
    const QVariant limit = edit->property(TypedLimit);
    if (limit.isValid())
        edit->setMaxLength(qMax(limit.toInt(), static_cast<int>(text.size())));
    edit->setText(text);
}

} // namespace trovanta::ui
