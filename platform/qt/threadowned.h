#pragma once
// One object of a kind per thread, made when the thread first asks for it; no thread can reach
// another's. For what holds fonts, which one thread cannot lend another: the application's thread
// gives its object up when the application object goes (before the font database it draws on);
// any other thread's goes when the thread ends (the painting threads never do).
#include <QCoreApplication>
#include <QThread>

#include <memory>

template <class T>
class ThreadOwned {
public:
    static T& Get()
    {
        std::unique_ptr<T>& own = Own();
        if (!own) {
            own = std::make_unique<T>();
            // Asked before the application object is made, it is the application's thread asking.
            const QCoreApplication* app = QCoreApplication::instance();
            if (!app || app->thread() == QThread::currentThread())
                qAddPostRoutine(&ThreadOwned::Drop);
        }
        return *own;
    }

private:
    static std::unique_ptr<T>& Own()
    {
        thread_local std::unique_ptr<T> own;
        return own;
    }
    // Runs on the application's thread as the application object goes.
    static void Drop() { Own().reset(); }
};
