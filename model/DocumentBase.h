#pragma once

#include <QString>

#include <functional>
#include <vector>

class CArchive;

// Something that shows a document and wants to hear when it changes.
class DocumentObserver
{
public:
    virtual ~DocumentObserver() = default;
    virtual void OnUpdate(DocumentObserver* sender, int hint) = 0;
};

// The document side of the document/view machinery: path, title, modified
// flag, the views to notify, and the new/open/save steps that read and write
// the document through Serialize and report file errors to the user.
class DocumentBase
{
public:
    DocumentBase() = default;
    virtual ~DocumentBase() = default;
    DocumentBase(const DocumentBase&) = delete;
    DocumentBase& operator=(const DocumentBase&) = delete;

    const QString& GetPathName() const { return pathName_; }
    // Sets the path and the title (the file name without its folder).
    void SetPathName(const QString& path);
    const QString& GetTitle() const { return title_; }
    void SetTitle(const QString& title) { title_ = title; }

    bool IsModified() const { return modified_; }
    void SetModifiedFlag(bool modified = true);
    // Called after each change of the modified flag (the window title shows
    // it); an empty function stops the calls.
    void SetModifiedListener(std::function<void()> listener) { modifiedListener_ = std::move(listener); }

    void AddView(DocumentObserver* view);
    void RemoveView(DocumentObserver* view);
    void UpdateAllViews(DocumentObserver* sender, int hint = 0);

    // Empties the document, clears the path and the modified flag.
    virtual bool OnNewDocument();
    // Empties the document and reads path into it. On failure the user has
    // been told why ("%1 was not found.", "Unexpected file format.", ...), the
    // document is empty again and false is returned.
    virtual bool OnOpenDocument(const QString& path);
    // The last open read no byte (an empty file, a pipe that sent nothing):
    // the document is as emptying left it.
    bool OpenedEmptyFile() const { return openedEmpty_; }
    // Writes the document to path without ever leaving a half-written file;
    // on failure the user is told and the previous file stays in place.
    virtual bool OnSaveDocument(const QString& path);

    virtual void DeleteContents() {}
    virtual void Serialize(CArchive& ar) = 0;

protected:
    // The file messages of the open and save steps, for documents that read
    // other files too: why path could not be opened for reading (error as
    // InputFile::open answers it), and a plain message (its %1, if any, is
    // path).
    static void ReportOpenFailure(const QString& path, int error);
    static void ReportFailure(const char* text, const QString& path = QString());

private:
    QString pathName_;
    QString title_;
    bool modified_ = false;
    bool openedEmpty_ = false;
    std::function<void()> modifiedListener_;
    std::vector<DocumentObserver*> views_;
};
