#pragma once
// Photographs the next progress window of the control library while it
// runs: the main window with the progress window over it, taken once the
// bar has reached half-way. The window only lives inside the operation
// that shows it, so a timer looks for it while the operation pumps events.
#include <QTimer>

#include <functional>
#include <string>

class QPixmap;
class QWidget;

namespace app {

// Draws a top-level window into a picture of another window, where it
// stands on the screen over it.
void DrawWindowOver(QPixmap& picture, const QWidget& base, QWidget& window);

class CProgressPhoto {
public:
    // save(picture, name) writes the picture; answers false with a reason.
    using SaveFn = std::function<bool(const QPixmap&, const std::string&, std::string&)>;

    CProgressPhoto(QWidget& window, SaveFn save);

    void Arm(const std::string& name);
    bool IsArmed() const { return !m_name.empty(); }
    // The name armed for, cleared; and the error of a failed photograph.
    std::string Disarm();
    const std::string& Error() const { return m_error; }

private:
    void Look();

    QWidget& m_window;
    SaveFn m_save;
    QTimer m_timer;
    std::string m_name;
    std::string m_error;
};

} // namespace app
