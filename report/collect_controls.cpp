// Walking the window's named controls and reading what each one shows.
#include <QTabWidget>
#include <map>
#include <optional>
#include <stdexcept>
#include <vector>

#include "report/control_facts.h"

namespace {

std::optional<ControlKind> KindIfTagged(const QWidget& widget) {
  if (widget.objectName().isEmpty()) return std::nullopt;
  try {
    return KindOf(widget);
  } catch (const std::logic_error&) {
    return std::nullopt;
  }
}

// A page lies hidden in its tab widget whenever another page is on top; its
// own visibility is whether its tab is shown.
bool PageVisible(QWidget& page) {
  for (QWidget* w = page.parentWidget(); w; w = w->parentWidget()) {
    if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
      int index = tabs->indexOf(&page);
      if (index >= 0) return tabs->isTabVisible(index);
    }
  }
  return !page.isHidden();
}

// A tab widget's pages in tab order: showing a page raises it, which moves it
// to the end of its parent's children.
std::vector<QWidget*> ChildrenInOrder(QWidget& widget) {
  std::vector<QWidget*> children;
  if (auto* tabs = qobject_cast<QTabWidget*>(&widget)) {
    for (int i = 0; i < tabs->count(); ++i) children.push_back(tabs->widget(i));
    return children;
  }
  for (QObject* child : widget.children()) {
    if (auto* control = qobject_cast<QWidget*>(child)) children.push_back(control);
  }
  return children;
}

class Walk {
 public:
  explicit Walk(QWidget& form) : form_(form) {}

  std::vector<ControlFacts> Run() {
    Visit(form_, -1, true);
    return std::move(controls_);
  }

 private:
  // Depth first, each widget before its children, children in the order they
  // were created: the creation order of the window.
  void Visit(QWidget& widget, int page, bool shown) {
    for (QWidget* control : ChildrenInOrder(widget)) {
      int child_page = page;
      bool child_shown = shown;
      if (std::optional<ControlKind> kind = KindIfTagged(*control)) {
        if (*kind == ControlKind::Page) {
          child_page = static_cast<int>(controls_.size());
          child_shown = true;
        } else {
          child_shown = shown && !control->isHidden();
        }
        controls_.push_back(Describe(*control, *kind, page, child_shown));
      } else if (control->isHidden()) {
        child_shown = false;
      }
      Visit(*control, child_page, child_shown);
    }
  }

  ControlFacts Describe(QWidget& control, ControlKind kind, int page, bool shown) {
    ControlFacts facts;
    std::string name = control.objectName().toStdString();
    facts.name = name;
    facts.kind = kind;
    if (kind == ControlKind::Memo) {
      facts.lines = MemoLines(form_, name);
    } else if (kind != ControlKind::Image && kind != ControlKind::Shape) {
      facts.caption = Caption(form_, name);
      facts.caption.resize(std::min(facts.caption.size(), facts.caption.find('\0')));
    }
    facts.enabled = !control.testAttribute(Qt::WA_Disabled);
    facts.visible = kind == ControlKind::Page ? PageVisible(control) : !control.isHidden();
    facts.font_rgb = FontColor(form_, name).rgb() & 0xFFFFFF;
    facts.page = page;
    facts.parent = ParentId(control.parentWidget());
    facts.left = control.x();
    facts.top = control.y();
    facts.width = control.width();
    facts.height = control.height();
    facts.shown = shown;
    return facts;
  }

  int ParentId(QWidget* parent) {
    auto [it, inserted] = parents_.try_emplace(parent, static_cast<int>(parents_.size()));
    return it->second;
  }

  QWidget& form_;
  std::vector<ControlFacts> controls_;
  std::map<QWidget*, int> parents_;
};

}  // namespace

std::vector<ControlFacts> CollectControls(QWidget& form) {
  return Walk(form).Run();
}
