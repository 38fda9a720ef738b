// Key preview for forms: the form sees every key pressed in it before the
// focused control does, so its own keys (close, switch) work from any control.
#pragma once

#include <functional>

class QKeyEvent;
class QWidget;

// `handler` returns true when it has used the key up; the control then never
// sees it. Covers the form and every control it holds when this is called.
void InstallKeyPreview(QWidget* form, std::function<bool(const QKeyEvent& key)> handler);
