#pragma once

#include <QString>
#include <QStringList>

// The model names of an older display generation, which numbers its video inputs and schedule
// inputs differently. The names are configuration: a text file with one name a line, blank
// lines and lines starting with "#" skipped; the built-in one is a resource that can be replaced.
namespace LegacyModels {
constexpr const char* ResourcePath = ":/text/Resources/legacy_models.txt";

// Empty when the file cannot be read.
QStringList load(const QString& path);
// The list in the resource, read on first use.
const QStringList& builtIn();
// A whole, case-insensitive match; an empty model is never one.
bool contains(const QStringList& names, const QString& model);
} // namespace LegacyModels
