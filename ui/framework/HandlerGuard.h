#pragma once
// The last-resort catch of the user interface: no exception crosses the Qt event loop.
//   RunGuarded(f)             runs f; a SilentAbort ends it quietly, any other error is shown in
//                             the message dialog as an error; false when f did not finish
//   InstallWidgetErrorShow()  the data-aware controls report their errors the same way; a text a
//                             box refuses in the words of RefusedInputMsg, naming the box as its
//                             page does (BoxNames)

#include <exception>
#include <utility>

void ShowHandlerError(const std::exception& error);
void ShowUnknownHandlerError();
void InstallWidgetErrorShow();

template <class F>
bool RunGuarded(F&& f)
{
    try {
        std::forward<F>(f)();
        return true;
    } catch (const std::exception& e) {
        ShowHandlerError(e);
    } catch (...) {
        ShowUnknownHandlerError();
    }
    return false;
}
