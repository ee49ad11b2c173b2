#pragma once

#include <QHelpEngine>
#include <QString>
#include <QUrl>

#include <memory>

namespace tavexo::help {

// The help as the program reads it: a private collection with exactly one
// help file registered, and the way from a context number to its topic. The
// collection lives in a per-user folder the program may write (the full-text
// index is kept next to it), because the installed help may lie where the
// user cannot write.
class HelpCatalog {
  public:
    static constexpr char NAMESPACE[] = "tavexo.hilfe";

    explicit HelpCatalog(const QString& collectionFile);
    ~HelpCatalog();
    HelpCatalog(const HelpCatalog&) = delete;
    HelpCatalog& operator=(const HelpCatalog&) = delete;

    // Makes the help file the one the collection shows, replacing whatever
    // was registered before. False when it cannot be read as our help.
    bool Open(const QString& helpFile);
    bool IsOpen() const { return !helpFile_.isEmpty(); }
    QString HelpFile() const { return helpFile_; }

    // The topic carrying the context number as its keyword identifier;
    // empty when the help has none.
    QUrl TopicOf(int context) const;
    QUrl StartPage() const;

    QHelpEngine& Engine() { return *engine_; }

  private:
    std::unique_ptr<QHelpEngine> engine_;
    QString helpFile_;
};

}  // namespace tavexo::help
