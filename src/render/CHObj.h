#pragma once

#include "render/CHAttrs.h"

#include <memory>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

// The kind codes the containers filter their children by.
enum class CHKind {
    Obj = 0,
    Table = 1,
    Cell = 2,
    Img = 3,
    Text = 4,
    Target = 6,
    Document = 8,
    Frame = 9,
    FrameSet = 10,
    Line = 12,
    Comment = 13,
};

// A node of a generated HTML page. A node owns its children. Text is inserted
// as it is: callers pass text that is already HTML.
class CHObj {
public:
    CHObj() = default;
    virtual ~CHObj() = default;
    CHObj(const CHObj&) = delete;
    CHObj& operator=(const CHObj&) = delete;

    virtual CHKind GetType() const { return CHKind::Obj; }

    std::string GetHtml() const;
    // Appends what GetHtml returns; pages are built into one buffer this way.
    virtual void AppendHtml(std::string& out) const = 0;

    // Takes the child when this node accepts its kind and returns it. A refused
    // child stays in the caller's pointer (and a null child is ignored); both
    // return null.
    template <class T>
    T* Add(std::unique_ptr<T>&& child) {
        static_assert(std::is_base_of_v<CHObj, T>);
        if (!child || !Accepts(*child)) {
            return nullptr;
        }
        T* added = child.get();
        m_children.push_back(std::move(child));
        return added;
    }

    // Constructs a child in place. Throws std::invalid_argument when this node
    // does not take children of that kind.
    template <class T, class... Args>
    T& Emplace(Args&&... args) {
        T* added = Add(std::make_unique<T>(std::forward<Args>(args)...));
        if (added == nullptr) {
            throw std::invalid_argument("this HTML object does not take a child of that kind");
        }
        return *added;
    }

    // Every child's HTML, each followed by a line feed.
    std::string GetChildHtml() const;
    void AppendChildHtml(std::string& out) const;

    const std::vector<std::unique_ptr<CHObj>>& Children() const { return m_children; }

    CHAttrs m_attrs;

protected:
    virtual bool Accepts(const CHObj& child) const { return true; }

    // The children's HTML without the line feeds that end it.
    void AppendTrimmedChildHtml(std::string& out) const;

private:
    std::vector<std::unique_ptr<CHObj>> m_children;
};
