// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A control array: elements addressed by index, loaded and unloaded at run
// time. The owning form supplies the factory that creates and wires an element.

#include <functional>
#include <map>
#include <memory>

namespace rt {

template <typename T>
class ControlArray {
public:
    using Factory = std::function<std::unique_ptr<T>(int index)>;

    void setFactory(Factory factory) { mFactory = std::move(factory); }

    // Loads element index; an element that exists already is kept.
    T& Load(int index)
    {
        auto it = mElements.find(index);
        if (it == mElements.end())
            it = mElements.emplace(index, mFactory(index)).first;
        return *it->second;
    }

    void Unload(int index) { mElements.erase(index); }

    bool exists(int index) const { return mElements.count(index) != 0; }

    T& operator[](int index) { return *mElements.at(index); }
    const T& operator[](int index) const { return *mElements.at(index); }

    // The highest loaded index, or -1.
    int UBound() const { return mElements.empty() ? -1 : mElements.rbegin()->first; }
    int LBound() const { return mElements.empty() ? 0 : mElements.begin()->first; }
    int Count() const { return int(mElements.size()); }

    template <typename F>
    void forEach(F&& f)
    {
        for (auto& [index, element] : mElements)
            f(index, *element);
    }

private:
    Factory mFactory;
    std::map<int, std::unique_ptr<T>> mElements;
};

}  // namespace rt
