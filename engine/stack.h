#pragma once
// Last-in, first-out store of texts used by the evaluation. An item is a text
// or the null value; Pop on an empty stack yields null.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

using Stack_Value = std::optional<std::string>; // std::nullopt is the null value

// The text of a popped value; using the null value as text is an error.
std::string As_Text(Stack_Value &&value);
const std::string &As_Text(const Stack_Value &value);

class stack {
  public:
    stack();

    void Push(Stack_Value value);
    // Push of a text into the slot's own storage, kept from earlier pushes,
    // so that a text that fits needs no allocation. Same outcome as Push.
    void Push_Copy(std::string_view text) {
        const std::size_t next = static_cast<std::size_t>(pointer) + 1;
        if (pointer >= 0 && next < items.size() && items[next]) [[likely]] {
            items[next]->assign(text);
            pointer = static_cast<std::int32_t>(next);
            return;
        }
        Push_Copy_Growing(text);
    }
    // A push whose text the caller then writes straight into the slot, which
    // keeps its storage (it holds whatever it held before until written).
    // Slots at or below the highest pointer so far are never moved by it.
    std::string &Push_Slot() {
        const std::size_t next = static_cast<std::size_t>(pointer) + 1;
        if (pointer >= 0 && next < items.size() && items[next]) [[likely]] {
            pointer = static_cast<std::int32_t>(next);
            return *items[next];
        }
        return Push_Slot_Growing();
    }
    Stack_Value Pop();
    // The top item without removing it (null when empty).
    const Stack_Value *Top() const {
        if (pointer <= 0 || static_cast<std::size_t>(pointer) >= items.size()) return nullptr;
        return &items[pointer];
    }
    // Pop without the copy: the item stays in its slot, which is not cleared,
    // so the reference holds until the next Push. Same outcomes as Pop.
    const Stack_Value &Pop_In_Place() {
        if (pointer > 0 && static_cast<std::size_t>(pointer) < items.size()) [[likely]]
            return items[pointer--];
        return Pop_In_Place_Empty();
    }
    // Pop of the top text for the engine's last pop: a long text is moved out
    // of its slot (the slot is written anew before it is read again), which
    // spares a copy of bytes just written; a short one is copied, so that the
    // slot keeps its storage. Same outcomes as As_Text(Pop()).
    std::string Pop_Text() {
        if (pointer > 0 && static_cast<std::size_t>(pointer) < items.size() && items[pointer])
            [[likely]] {
            std::string &text = *items[pointer--];
            if (text.size() > std::string().capacity()) return std::move(text);
            return text;
        }
        return As_Text(Pop());
    }
    // Pop of the top text into out by trading texts: the slot keeps out's old
    // text (it is written anew before it is read again) and both keep their
    // storage. Reading back bytes just written stalls the processor, and a
    // trade reads none. Same outcome in out as As_Text(Pop()).
    void Pop_Text_Into(std::string &out) {
        if (pointer > 0 && static_cast<std::size_t>(pointer) < items.size() && items[pointer])
            [[likely]] {
            items[pointer--]->swap(out);
            return;
        }
        out = As_Text(Pop());
    }
    // Empties the stack; the storage stays for the next evaluation.
    void Clear() { pointer = 0; }

    // Number of items held and index of the top item; the first item pushed
    // lives at index 1, index 0 is never used.
    std::int32_t pointer = 0;

  private:
    void Push_Copy_Growing(std::string_view text);
    std::string &Push_Slot_Growing();
    const Stack_Value &Pop_In_Place_Empty();

    std::vector<Stack_Value> items;
};
