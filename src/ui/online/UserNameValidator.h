#pragma once

#include <QValidator>

namespace halvex::ui {

// Lets into the name box only what a chat name may hold, whether typed or pasted.
class UserNameValidator : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;

    State validate(QString& input, int& position) const override;
};

} // namespace halvex::ui
