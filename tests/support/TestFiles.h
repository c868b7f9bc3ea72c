#pragma once

#include <QString>

namespace lexmint::test {

/// The folder with the files the build makes from data/: the template and the samples.
QString buildDataDir();

/// Copies a file to a new path inside dir and returns that path (empty on failure),
/// so that a test never changes the original.
QString copyToDir(const QString& source, const QString& dir, const QString& name);

/// Writes bytes to a new file inside dir and returns its path.
QString writeFile(const QString& dir, const QString& name, const QByteArray& bytes);

/// The bytes of a file, to show that it was not changed.
QByteArray fileBytes(const QString& path);

/// Overwrites the start of a file, as a disk fault or another program might, so that a
/// vocabulary there can no longer be read, also through a connection that is open already.
bool damageFile(const QString& path);

} // namespace lexmint::test
