// CMorvBaseDlg: creation, set-up hooks, the modal loop, language and the
// progress watcher.
#include "base_dlg_impl.h"

#include "controls/button_bar.h"
#include "controls/density.h"
#include "controls/modal.h"
#include "platform/native_qt.h"

#include <QEventLoop>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace {

// Size of a dialog before its set-up sizes it (design pixels).
constexpr int kDefaultDialogWidth = 400;
constexpr int kDefaultDialogHeight = 300;

} // namespace

CMorvBaseDlg::CMorvBaseDlg(UINT templateId, CWnd* parent) : m_d(std::make_unique<Impl>())
{
    m_d->templateId = templateId;
    m_d->parent = parent;
}

CMorvBaseDlg::~CMorvBaseDlg()
{
    // Destroyed here, while this class's part of the object still exists,
    // so its own OnDestroy runs.
    DestroyWindow();
    m_d->progress.reset();
    // Bars that outlive their dialog no longer reach it.
    for (CMorvButtonBar* bar : m_d->bars)
        bar->m_owner = nullptr;
}

void CMorvBaseDlg::AttachBar(CMorvButtonBar* bar, bool attach)
{
    auto& bars = m_d->bars;
    bars.erase(std::remove(bars.begin(), bars.end(), bar), bars.end());
    if (attach)
        bars.push_back(bar);
    if (m_d->captureBar == bar && !attach)
        m_d->captureBar = nullptr;
}

const std::vector<CMorvButtonBar*>& CMorvBaseDlg::GetBars() const { return m_d->bars; }

LifeWatch CMorvBaseDlg::GetLifeWatch() const { return m_d->life.Watch(); }

void CMorvBaseDlg::SetBaseDlgInfo(int frame, int childPage)
{
    m_d->frame = frame ? 1 : 0;
    m_d->childPage = childPage ? 1 : 0;
}

int CMorvBaseDlg::GetFrameOption() const { return m_d->frame; }
int CMorvBaseDlg::GetChildPageOption() const { return m_d->childPage; }
UINT CMorvBaseDlg::GetTemplateId() const { return m_d->templateId; }
bool CMorvBaseDlg::IsModal() const { return m_d->modal; }

CWnd* CMorvBaseDlg::GetOwner() const { return m_d->parent; }

void CMorvBaseDlg::CenterWindow()
{
    QWidget* widget = plat::NativeWidget(this);
    QWidget* owner = m_d->parent ? plat::NativeWidget(m_d->parent) : nullptr;
    if (!widget || !widget->isWindow() || !owner || !owner->window()->isVisible()) {
        CWnd::CenterWindow();
        return;
    }
    const QWidget* top = owner->window();
    const QRect area(top->mapToGlobal(QPoint(0, 0)), top->size());
    const CPoint at
        = plat::KeepOnWorkArea({area.center().x() - widget->width() / 2, area.center().y() - widget->height() / 2},
                               {widget->width(), widget->height()});
    SetWindowPos(at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

bool CMorvBaseDlg::RunSetUp(CWnd* parent, UINT templateId, EWindowKind kind)
{
    m_d->templateId = templateId;
    m_d->parent = parent;
    const CRect rect = kind == EWindowKind::Child
        ? CRect{}
        : CRect{0, 0, morv::Scale(kDefaultDialogWidth), morv::Scale(kDefaultDialogHeight)};
    // A framed dialog is made without a toolkit parent: the message filter
    // road follows toolkit parents, and the owner's filters must not see
    // what is typed into the dialog. It is kept above the owner instead.
    if (!CreateEx(kind == EWindowKind::Child ? parent : nullptr, rect, templateId, kind))
        return false;
    if (kind != EWindowKind::Child && parent && parent->IsWindow()) {
        QWidget* widget = plat::NativeWidget(this);
        QWidget* owner = plat::NativeWidget(parent)->window();
        widget->winId();
        owner->winId();
        if (widget->windowHandle() && owner->windowHandle())
            widget->windowHandle()->setTransientParent(owner->windowHandle());
    }
    for (auto& [index, control] : m_d->controls)
        CreateControlWindow(control);
    if (!InitControls() || !InitFinish()) {
        DestroyWindow();
        return false;
    }
    return true;
}

bool CMorvBaseDlg::Create(UINT templateId, CWnd* parent)
{
    if (IsWindow())
        return false;
    m_d->modal = false;
    if (!OnSetBaseDlgInfo())
        return false;
    const EWindowKind kind = m_d->childPage ? EWindowKind::Child : EWindowKind::Dialog;
    if (!RunSetUp(parent, templateId, kind))
        return false;
    ShowWindow(SW_SHOW);
    return true;
}

int CMorvBaseDlg::DoModal()
{
    if (IsWindow())
        return -1;
    m_d->modal = true;
    m_d->result.reset();
    if (!OnSetBaseDlgInfo() || !RunSetUp(m_d->parent, m_d->templateId, EWindowKind::Dialog)) {
        m_d->modal = false;
        return -1;
    }
    if (QWidget* widget = plat::NativeWidget(this))
        widget->setWindowModality(Qt::ApplicationModal);
    // A dialog that did not place itself during set-up stands over its parent.
    if (GetWindowRect().TopLeft() == CPoint{0, 0})
        CenterWindow();
    if (!m_d->result)
        ShowWindow(SW_SHOW);

    SModalCall call;
    call.record.eKind = EModalKind::Dialog;
    call.record.strText = GetWindowText();
    call.record.nTemplateId = m_d->templateId;
    call.window = this;
    call.nDismissAnswer = IDCANCEL;
    call.endedBy = [this] { return m_d->result; };
    call.live = [this] {
        if (!m_d->result && IsWindow()) {
            QEventLoop loop;
            m_d->loop = &loop;
            loop.exec(QEventLoop::DialogExec);
            m_d->loop = nullptr;
        }
        return m_d->result.value_or(IDCANCEL);
    };
    const int result = CModalScript::Instance().RunModal(std::move(call));
    DestroyWindow();
    m_d->modal = false;
    return result;
}

void CMorvBaseDlg::EndDialog(int result)
{
    m_d->result = result;
    if (m_d->loop)
        m_d->loop->exit(result);
    if (!m_d->modal && IsWindow())
        ShowWindow(SW_HIDE);
}

void CMorvBaseDlg::OnOK() { EndDialog(IDOK); }
void CMorvBaseDlg::OnCancel() { EndDialog(IDCANCEL); }

void CMorvBaseDlg::OnClose()
{
    if (m_d->modal)
        OnCancel();
    else
        CWnd::OnClose();
}

void CMorvBaseDlg::OnDestroy()
{
    for (CMorvButtonBar* bar : m_d->bars)
        bar->CancelInput();
    m_d->captureBar = nullptr;
    m_d->hover = m_d->pressed = -1;
    m_d->progress.reset();
    // A modal loop whose window goes away ends as if closed.
    if (m_d->loop) {
        if (!m_d->result)
            m_d->result = IDCANCEL;
        m_d->loop->exit(*m_d->result);
    }
    CWnd::OnDestroy();
}

void CMorvBaseDlg::SetLanguageLookup(morv::LanguageLookup lookup) { m_d->lookup = std::move(lookup); }

std::string CMorvBaseDlg::GetLanguageText(const std::string& key, const std::string& section) const
{
    return m_d->lookup ? m_d->lookup(key, section) : morv::LookupText(key, section);
}

int CMorvBaseDlg::SetLanguage()
{
    for (auto& [index, control] : m_d->controls)
        if (!control.strKey.empty()) {
            ResolveText(control);
            InvalidateControl(index);
        }
    return 1;
}

int CMorvBaseDlg::BeginProgress(const SProgressInfo& info)
{
    // One progress at a time: a second begin while one runs is refused.
    if (morv::detail::CProgressWindow::Running())
        return -1;
    SModalCall call;
    call.record.eKind = EModalKind::Progress;
    call.record.strText = info.strTitle;
    call.bBlocking = false;
    call.nDismissAnswer = 0;
    call.live = [] { return 0; };
    if (CModalScript::Instance().RunModal(std::move(call)) == -1)
        return -1;
    m_d->progress = std::make_unique<morv::detail::CProgressWindow>(IsWindow() ? this : nullptr, info);
    return 0;
}

void CMorvBaseDlg::SetProgressRange(int nMin, int nMax)
{
    if (m_d->progress)
        m_d->progress->SetRange(nMin, nMax);
}

void CMorvBaseDlg::SetProgressPos(int nPos)
{
    if (m_d->progress)
        m_d->progress->SetPos(nPos);
}

void CMorvBaseDlg::SetProgressText(const std::string& text)
{
    if (m_d->progress)
        m_d->progress->SetText(text);
}

void CMorvBaseDlg::EndProgress() { m_d->progress.reset(); }

bool CMorvBaseDlg::IsProgressRunning() const { return m_d->progress != nullptr; }
