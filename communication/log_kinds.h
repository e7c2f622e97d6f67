#pragma once

// The kinds of line in the communications log: the second argument of the protocol engine's
// transfer_data (its traffic) and comment_text (its comments). The log window decides how each
// kind is shown. Any other number is a kind the log does not know, so the types are plain ints.
struct LogKinds {
    enum TrafficType : int {
        TrafficReply = 1,
        TrafficSent = 2,
        TrafficNoInterface = 6,
        TrafficNoReply = 7,
        TrafficUnexpectedReply = 8,
        TrafficBadChecksum = 9,
        TrafficUnexpectedSource = 10,
        TrafficReplyPayload = 11,
        TrafficNullMessage = 12,
    };
    enum CommentType : int {
        CommentTitle = 1,
        CommentConnection = 2,
        CommentField = 3,
        CommentOpCode = 4,
        // An error that the window shows in its status bar, repeated in the log.
        CommentError = 5,
    };
};
