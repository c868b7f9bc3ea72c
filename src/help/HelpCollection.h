#pragma once

#include <QString>
#include <QUrl>

#include <memory>

QT_BEGIN_NAMESPACE
class QHelpEngine;
QT_END_NAMESPACE

namespace lexmint {

/// Places inside the compressed help.
namespace helppages {
/// The first page of the contents.
QUrl homePage();
/// The page that holds the controls' pop-up texts.
QUrl popupPage();
/// The help identifier of the topic for a help context, as the help project's keywords carry it.
QString contextIdentifier(int context);
} // namespace helppages

/// Where the per-user copies of the help collection are kept when no other folder is given.
QString defaultHelpUserDir();

/// Opens the help installed in programDir ("lexmint.qch" and "lexmint.qhc"; programDir ends in
/// "/", or is empty for the current folder). Returns null when the help is missing or cannot be
/// read; reports nothing.
///
/// The help engine writes into its collection file (its settings) and beside it (the full-text
/// search index), and the program folder is read-only in an installation. So the engine works
/// on a per-user copy of the collection inside userDir, made with the engine's own copy, which
/// re-points the registered .qch at the program folder. The copy is made again, and the old
/// search index dropped with it, whenever the installed help changes.
std::unique_ptr<QHelpEngine> openHelpEngine(const QString& programDir, const QString& userDir);

} // namespace lexmint
