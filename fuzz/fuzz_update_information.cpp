// Feeds arbitrary server text to the update-information parser and checks the answer it makes:
// server text never adds markup or quotes, placeholders in it stay unfilled, at most 15 changes.
#include "check_for_software_updates.h"
#include "update_information.h"

#include <QByteArray>

#include <cstdint>
#include <cstdlib>

static void require(bool condition) {
    if (!condition)
        abort();
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const update_init_info init = checkForSoftwareUpdates::programInitInfo();
    const QByteArray text(reinterpret_cast<const char*>(data), static_cast<int>(size));
    const UpdateInformation info = parseUpdateInformation(text);
    update_check_result result;
    const bool answered = updateResultFor(info, init, &result);
    require(answered == info.has_build);
    if (!answered)
        return 0;
    require(info.build >= 0);
    require(result.build == info.build);
    if (info.build <= init.current_build) {
        require(result.reply_type == UpdateReply::UpToDate);
        require(result.message == init.no_newer_text);
        return 0;
    }
    require(result.reply_type == UpdateReply::NewerAvailable);
    int listed = 0;
    for (const UpdateInformation::Change& c : info.changes)
        listed += c.build > init.current_build ? 1 : 0;
    listed = qMin(listed, 15);
    // Each listed change adds one "<br>"; the changes block brings its own tags once.
    const int tags =
        init.available_text.count('<') + (listed > 0 ? init.changes_text.count('<') + listed : 0);
    require(result.message.count('<') == tags);
    require(result.message.count('"') == init.available_text.count('"'));
    require(result.message.count(QStringLiteral("<br>")) ==
            (listed > 0 ? init.changes_text.count(QStringLiteral("<br>")) + listed : 0));
    return 0;
}
