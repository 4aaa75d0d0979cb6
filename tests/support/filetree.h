#pragma once

#include <QString>
#include <QStringList>

// Builds a small file tree under root for tests: a path ending in "/" is a
// folder, any other a file holding its own relative path as text (so a test
// can tell which file arrived where). False when anything could not be made.
bool writeFileTree(const QString &root, const QStringList &paths);
