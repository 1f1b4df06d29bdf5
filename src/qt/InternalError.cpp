#include "qt/InternalError.h"

#include "platform/TextTranslator.h"
#include "platform/UserTexts.h"

#include "platform/MessageDisplay.h"

#include <QtGlobal>

namespace velmora {

namespace {

// True while a report is on screen.
bool reporting = false;

} // namespace

std::string DescribeCurrentException()
{
    try {
        throw;
    } catch (const std::exception& e) {
        return std::string("exception: ") + e.what();
    } catch (std::uint32_t code) {
        return "document error " + std::to_string(code);
    } catch (...) {
        // The error enumerations of the editing classes, among others.
        return "failure of another type";
    }
}

void ReportInternalError(MessageDisplay& messages, Window* owner, const std::string& cause)
{
    qWarning("Velmora: an event could not be handled (%s)", cause.c_str());
    if (reporting)
        return;
    reporting = true;
    struct Done {
        ~Done() { reporting = false; }
    } done;
    messages.showMessage(owner, Tr(texts::kInternalError), Tr(texts::kErrorCaption));
}

} // namespace velmora
