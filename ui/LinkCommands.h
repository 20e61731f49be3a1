#pragma once

#include <QString>

class QWidget;

// The web, e-mail and help commands that the main window and the contact editor share. Each
// checks its text lightly and hands it to the desktop through ShellExecute.

// The trimmed text begins with "http:", in any letter case.
bool IsWebAddress(const QString &text);
// The trimmed text holds an "@" or a ".".
bool IsEmailAddress(const QString &text);

// "mailto:" + address, the address carrying nothing but itself: the characters that would
// begin or continue a query or a fragment (? & # %) and every control character are
// percent-encoded, so a stored address cannot add recipients, headers or attachments.
QString MailtoLink(const QString &address);

// Opens text as it stands, or shows "Not a valid web address." and returns false.
bool OpenWebSite(QWidget *owner, const QString &text);
// Opens MailtoLink(address), or shows "Not a valid email address." and returns false.
bool SendEmailTo(QWidget *owner, const QString &address);

// Pelmora.chm in the folder of the running executable.
QString HelpFilePath();
// Opens the help file maximised, whether it is there or not.
void OpenHelp(QWidget *owner);
