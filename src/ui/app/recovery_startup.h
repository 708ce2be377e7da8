// The recovery of unsaved work as the main window starts it: a keeper that copies every open
// document's unsaved edits from now on, and the question about the copies a program that did not
// exit normally left behind.
#pragma once

#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QStatusBar;
class QWidget;

namespace flowmar {

class OpenDocuments;
class RecoveryKeeper;
struct OpenDocument;

// A keeper of recovery copies in folder, tracking every document open now. The status bar says
// when the folder cannot be used, and, for messageMs, each copy that could not be written.
std::unique_ptr<RecoveryKeeper> startKeepingRecoveryCopies(const QString& folder,
                                                           OpenDocuments& documents,
                                                           QStatusBar& statusBar, int messageMs);

// When the keeper's folder holds copies left from a program that did not exit normally, asks over
// parent what to do with each (the splash goes first: it would stand over the question and eat
// the first click on it), restores those chosen, each adopted as an opened document is, and has
// the keeper copy them anew. Returns the documents restored.
std::vector<OpenDocument*> offerRecoveryCopies(RecoveryKeeper& keeper, OpenDocuments& documents,
                                               QWidget* parent,
                                               const std::function<void(OpenDocument&)>& adopt);

} // namespace flowmar
