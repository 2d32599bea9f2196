// The one way a handler runs: no exception crosses Qt's event delivery. A DataError ends the
// handler with its message; the database stays as the handler's transaction guard left it.
#pragma once

#include <functional>
#include <type_traits>
#include <utility>

namespace dukkano {

// Runs one step of a handler; false when it ended in an error, which has been shown.
bool runGuarded(const std::function<void()>& step);

// A step that answers something (an event filter's "handled"): the fallback after an error.
template <class Result, class Step>
Result runGuarded(Result fallback, Step&& step)
{
    Result result = fallback;
    runGuarded([&] { result = step(); });
    return result;
}

// A slot for connect(): the function runs guarded, with the signal's arguments when it
// takes them.
template <class Function>
auto guarded(Function function)
{
    return [function](auto&&... args) {
        runGuarded([&] {
            if constexpr (std::is_invocable_v<const Function&, decltype(args)...>)
                function(std::forward<decltype(args)>(args)...);
            else
                function();
        });
    };
}

// A member handler as a guarded slot; the signal's arguments go to it when it takes them.
template <class Object, class Method>
auto guarded(Object* object, Method method)
{
    return [object, method](auto&&... args) {
        runGuarded([&] {
            if constexpr (std::is_invocable_v<Method, Object*, decltype(args)...>)
                std::invoke(method, object, std::forward<decltype(args)>(args)...);
            else
                std::invoke(method, object);
        });
    };
}

} // namespace dukkano
