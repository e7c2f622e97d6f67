#pragma once

#include <QString>

// The folder that all users of the machine share for documents, or "" when the system has none.
QString sharedDocumentsFolder();
// The user's own documents folder, which the user can always write.
QString userDocumentsFolder();
