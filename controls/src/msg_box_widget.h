#pragma once
// The message box widget, built apart from its modal loop so the gallery
// can render it.
#include "platform/wintypes.h"

#include <QMessageBox>

#include <memory>
#include <string>

namespace morv::detail {

std::unique_ptr<QMessageBox> BuildMessageBox(QWidget* parent, const std::string& text, const std::string& caption,
                                             UINT type);
// The answer of a box's button (IDOK, IDCANCEL, ...), 0 for none.
int AnswerOfButton(QMessageBox::StandardButton button);

} // namespace morv::detail
