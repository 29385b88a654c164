#include "engine/stack.h"

#include "engine/CalcModule.h"

#include <limits>
#include <stdexcept>

stack::stack() : items(2) {}

void stack::Push(Stack_Value value) {
    if (pointer == std::numeric_limits<std::int32_t>::max())
        throw std::overflow_error("stack overflow");
    ++pointer;
    // grows only when full; slots above the pointer are reused
    if (static_cast<std::size_t>(pointer) >= items.size()) items.resize(pointer + 1);
    items[pointer] = std::move(value);
}

void stack::Push_Swap(std::string &text) {
    if (pointer == std::numeric_limits<std::int32_t>::max())
        throw std::overflow_error("stack overflow");
    ++pointer;
    if (static_cast<std::size_t>(pointer) >= items.size()) items.resize(pointer + 1);
    Stack_Value &slot = items[pointer];
    if (slot)
        slot->swap(text);
    else
        slot.emplace().swap(text);
}

Stack_Value stack::Pop() {
    if (pointer <= 0) return std::nullopt;
    if (static_cast<std::size_t>(pointer) >= items.size()) {
        // the count no longer matches the storage
        CalcModule::Show_Warning(CalcModule::No_Data_Message);
        return std::string();
    }
    return items[pointer--]; // a copy: the slot keeps its value until a later push
}

const Stack_Value &stack::Pop_In_Place() {
    static const Stack_Value null_value, empty_text = std::string();
    if (pointer <= 0) return null_value;
    if (static_cast<std::size_t>(pointer) >= items.size()) {
        CalcModule::Show_Warning(CalcModule::No_Data_Message);
        return empty_text;
    }
    return items[pointer--];
}

const Stack_Value *stack::Top() const {
    if (pointer <= 0 || static_cast<std::size_t>(pointer) >= items.size()) return nullptr;
    return &items[pointer];
}

std::string As_Text(Stack_Value &&value) {
    if (!value) throw std::invalid_argument("invalid use of null");
    return std::move(*value);
}

const std::string &As_Text(const Stack_Value &value) {
    if (!value) throw std::invalid_argument("invalid use of null");
    return *value;
}
