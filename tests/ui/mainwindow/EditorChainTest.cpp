// Editors open one after another as each asks for the next; the main window hides meanwhile and
// shows again once at the end.
#include "MainWindowFixture.h"
#include "ui/mainwindow/EditorRoutes.h"
#include "ui/mainwindow/EditorWindow.h"

#include <QEvent>

namespace {

// An editor that records its showing and asks for the forms of its script, one per showing.
class StandInEditor final : public EditorWindow {
public:
    StandInEditor(QString name, std::vector<QString>& log, TFormMain& main) : name_(std::move(name)), log_(log), main_(main) {}
    std::vector<int> requests;  // one per showing; 0 when the script has run out

    void ShowEditorModal() override
    {
        log_.push_back(name_ + (main_.isVisible() ? QStringLiteral(" over a visible main window") : QString()));
        next_ = shown_ < int(requests.size()) ? requests[shown_] : 0;
        ++shown_;
    }
    int NextFormCode() const override { return next_; }

private:
    QString name_;
    std::vector<QString>& log_;
    TFormMain& main_;
    int shown_ = 0;
    int next_ = 0;
};

// Counts the main window's show events.
class ShowCounter : public QObject {
public:
    int shows = 0;
    bool eventFilter(QObject*, QEvent* e) override
    {
        shows += e->type() == QEvent::Show;
        return false;
    }
};

class EditorChain : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        for (const char* name : {"FormFillM1", "FormFillM3", "FormFillM3A", "FormFillM4", "FormFillAnexoA",
                                 "FormFillAnexoASeg", "FormFillAnexoABank", "FormFillAnexoB", "FormFillAnexoBSeg",
                                 "FormFillAnexoBBank"}) {
            editors.push_back(std::make_unique<StandInEditor>(QLatin1String(name), log, main()));
            main().Editors[QLatin1String(name)] = editors.back().get();
        }
        showMain();
        main().installEventFilter(&counter);
    }
    StandInEditor& editor(const char* name) { return *static_cast<StandInEditor*>(main().Editors[QLatin1String(name)]); }

    std::vector<std::unique_ptr<StandInEditor>> editors;
    std::vector<QString> log;
    ShowCounter counter;
};

TEST_F(EditorChain, EachRequestedEditorOpensAfterThePreviousOneAndTheMainWindowShowsOnceAtTheEnd)
{
    open(savedFolder(QStringLiteral("f"), 0));
    editor("FormFillM1").requests = {4011};
    main().ActionFillM1->trigger();
    EXPECT_EQ(log, (std::vector<QString>{QStringLiteral("FormFillM1"), QStringLiteral("FormFillM3")}));
    EXPECT_TRUE(main().isVisible());
    EXPECT_EQ(counter.shows, 1);
}

TEST_F(EditorChain, AnEditorThatRequestsItselfOpensAgain)
{
    open(savedFolder(QStringLiteral("f"), 0));
    editor("FormFillM1").requests = {1011, 0};
    main().ActionFillM1->trigger();
    EXPECT_EQ(log, (std::vector<QString>{QStringLiteral("FormFillM1"), QStringLiteral("FormFillM1")}));
}

TEST_F(EditorChain, PageCodesOpenTheirEditorAndTheAnnexesFollowTheSector)
{
    open(savedFolder(QStringLiteral("seg"), 11));
    struct Case {
        int pageCode;
        const char16_t* opens;  // nullptr: nothing
    };
    const Case cases[] = {
        {3212, u"FormFillAnexoBSeg"}, {2011, u"FormFillAnexoASeg"}, {1013, u"FormFillM1"}, {4011, u"FormFillM3"},
        {5012, u"FormFillM3A"},       {6012, u"FormFillM4"},        {4012, nullptr},       {4013, nullptr},
        {5013, nullptr},              {3112, nullptr},              {0, nullptr},
    };
    for (const Case& c : cases) {
        log.clear();
        main().OpenEditorByPageCode(c.pageCode);
        if (c.opens)
            EXPECT_EQ(log, std::vector<QString>{QString::fromUtf16(c.opens)}) << c.pageCode;
        else
            EXPECT_TRUE(log.empty()) << c.pageCode;
    }
}

TEST(EditorRoutes, AnnexEditorsBySector)
{
    EXPECT_EQ(EditorFormName(EditorKind::AnexoA, 0), QStringLiteral("FormFillAnexoA"));
    EXPECT_EQ(EditorFormName(EditorKind::AnexoB, 21), QStringLiteral("FormFillAnexoBBank"));
    EXPECT_EQ(EditorFormName(EditorKind::AnexoB, -1), QString());
    EXPECT_EQ(EditorFormName(EditorKind::M4, -1), QStringLiteral("FormFillM4"));
}

}  // namespace
