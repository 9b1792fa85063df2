#include "ui/online/UserNameValidator.h"

#include "core/online/UserName.h"

#include <algorithm>

namespace halvex::ui {

QValidator::State UserNameValidator::validate(QString& input, int& /*position*/) const {
    const bool allowed = std::all_of(input.cbegin(), input.cend(),
                                     [](QChar c) { return online::isUserNameCharacter(c.unicode()); });
    return allowed ? Acceptable : Invalid;
}

} // namespace halvex::ui
